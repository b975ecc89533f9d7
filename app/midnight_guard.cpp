#include "app/midnight_guard.h"

namespace {
bool IsMidnightMinute(const LocalTime& time) { return time.hour == 0 && time.minute == 0; }
}  // namespace

LocalTime WaitWhileMidnight() {
    LocalTime now = ClockLocalTime();
    for (int check = 0; check < kMidnightChecks && IsMidnightMinute(now); ++check) {
        ClockSleep(kMidnightPauseMs);
        now = ClockLocalTime();
    }
    return now;
}
