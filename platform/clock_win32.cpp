#include <windows.h>

#include "platform/clock.h"

std::uint32_t ClockTickCount() { return GetTickCount(); }

LocalTime ClockLocalTime() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDayOfWeek, now.wDay, now.wHour, now.wMinute, now.wSecond, now.wMilliseconds};
}

void ClockSleep(std::uint32_t milliseconds) { Sleep(milliseconds); }
