// Virtual clock for host tests: time moves only when a test or ClockSleep moves it.
#pragma once
#include <cstdint>

#include "platform/clock.h"

// Back to tick 0 and local time 2026-01-01 12:00:00.000 (a Thursday); clears the sleep statistics.
void FakeClockReset();
void FakeClockAdvance(std::uint64_t milliseconds);
// Moves the tick count without touching local time (e.g. just before the 32-bit wrap).
void FakeClockSetTickCount(std::uint32_t tick);
// Sets what ClockLocalTime returns now; dayOfWeek of the argument is ignored (it follows
// from the date). Returns false for a date or time that does not exist.
bool FakeClockSetLocalTime(const LocalTime& now);
// Virtual milliseconds spent in ClockSleep and the number of calls since the last reset.
std::uint64_t FakeClockSleptMilliseconds();
std::uint32_t FakeClockSleepCalls();
