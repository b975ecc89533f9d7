// Clock seam: tick count, local time and sleeping. Host tests link a virtual clock
// (testing/fakes/clock_fake.cpp) in which sleeping advances time without waiting.
#pragma once
#include <cstdint>

struct LocalTime {
    std::uint16_t year = 0, month = 0, dayOfWeek = 0, day = 0;
    std::uint16_t hour = 0, minute = 0, second = 0, milliseconds = 0;
};

std::uint32_t ClockTickCount();
LocalTime ClockLocalTime();
void ClockSleep(std::uint32_t milliseconds);
