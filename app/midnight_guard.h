// Start-up must not read the clock for the day's timed lines while it shows 00:00: a
// restart at the new-day minute would otherwise see that minute again and restart again.
#pragma once
#include "platform/clock.h"

inline constexpr int kMidnightChecks = 30;
inline constexpr std::uint32_t kMidnightPauseMs = 5000;

// Waits while the local time is 00:00, at most 30 pauses of 5 s; returns the time read last.
LocalTime WaitWhileMidnight();
