#include "testing/fakes/clock_fake.h"

#include <chrono>

namespace {

using namespace std::chrono;

// Local time is kept as milliseconds since 1970-01-01 00:00 local, so advancing it never
// needs calendar arithmetic; only reading it back does.
constexpr std::int64_t kDefaultStart = 1767268800000;  // 2026-01-01 12:00:00

struct VirtualClock {
    std::uint32_t tick = 0;
    std::int64_t localMs = kDefaultStart;
    std::uint64_t slept = 0;
    std::uint32_t sleepCalls = 0;
};

VirtualClock g_clock;

}  // namespace

std::uint32_t ClockTickCount() { return g_clock.tick; }

LocalTime ClockLocalTime() {
    const sys_days day = floor<days>(sys_time<milliseconds>(milliseconds(g_clock.localMs)));
    const year_month_day date(day);
    const std::int64_t inDay = g_clock.localMs - duration_cast<milliseconds>(day.time_since_epoch()).count();
    LocalTime t;
    t.year = static_cast<std::uint16_t>(static_cast<int>(date.year()));
    t.month = static_cast<std::uint16_t>(static_cast<unsigned>(date.month()));
    t.day = static_cast<std::uint16_t>(static_cast<unsigned>(date.day()));
    t.dayOfWeek = static_cast<std::uint16_t>(weekday(day).c_encoding());
    t.hour = static_cast<std::uint16_t>(inDay / 3600000);
    t.minute = static_cast<std::uint16_t>(inDay / 60000 % 60);
    t.second = static_cast<std::uint16_t>(inDay / 1000 % 60);
    t.milliseconds = static_cast<std::uint16_t>(inDay % 1000);
    return t;
}

void ClockSleep(std::uint32_t milliseconds) {
    g_clock.slept += milliseconds;
    ++g_clock.sleepCalls;
    FakeClockAdvance(milliseconds);
}

void FakeClockReset() { g_clock = VirtualClock{}; }

void FakeClockAdvance(std::uint64_t milliseconds) {
    g_clock.tick += static_cast<std::uint32_t>(milliseconds);  // wraps like GetTickCount
    g_clock.localMs += static_cast<std::int64_t>(milliseconds);
}

void FakeClockSetTickCount(std::uint32_t tick) { g_clock.tick = tick; }

bool FakeClockSetLocalTime(const LocalTime& now) {
    const year_month_day date{year(now.year), month(now.month), day(now.day)};
    if (!date.ok() || now.hour > 23 || now.minute > 59 || now.second > 59 ||
        now.milliseconds > 999) {
        return false;
    }
    const std::int64_t dayMs = duration_cast<milliseconds>(sys_days(date).time_since_epoch()).count();
    g_clock.localMs = dayMs + (now.hour * 3600 + now.minute * 60 + now.second) * std::int64_t{1000} + now.milliseconds;
    return true;
}

std::uint64_t FakeClockSleptMilliseconds() { return g_clock.slept; }

std::uint32_t FakeClockSleepCalls() { return g_clock.sleepCalls; }
