#include "app/main_timers.h"

namespace {

struct DelayedWork {
    std::uint32_t id;
    TimerWork work;
};

constexpr DelayedWork kDelayedWork[] = {
    {kTimerTaskbarRestart,
     {TimerAction::Restart, L"TaskbarCreated message received 5 seconds ago -> now restart Lumistrand"}},
    {kTimerConsoleRestart,
     {TimerAction::Restart, L"WTS_CONSOLE_CONNECT message received 5 seconds ago -> now restart Lumistrand"}},
    {kTimerResumeRestart,
     {TimerAction::Restart, L"PBT_APMRESUMEAUTOMATIC message received 5 seconds ago -> now restart Lumistrand"}},
    {kTimerDisplayChangeCheck,
     {TimerAction::ConfigurationCheck, L"WM_DISPLAYCHANGE 10 seconds ago -> now check if configuration has changed"}},
    {kTimerMonitorOnCheck,
     {TimerAction::ConfigurationCheck, L"MONITOR_POWER_ON ON 20 seconds ago -> now check if configuration has changed"}},
};

}  // namespace

bool TimerStopsWhenFired(std::uint32_t id) {
    switch (id) {
        case kTimerHalfSecond:
        case kTimerHiddenIconCheck:
        case kTimerInputRepeat:
        case kTimerTenSeconds:
        case kTimerFullScreen:
            return false;
        default:
            return true;
    }
}

TimerWork DelayedSystemWork(std::uint32_t id) {
    for (const DelayedWork& entry : kDelayedWork) {
        if (entry.id == id) return entry.work;
    }
    return {};
}
