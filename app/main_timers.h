// The main window's timer ids and which of them stop when they fire.
#pragma once
#include <cstdint>

enum MainTimer : std::uint32_t {
    kTimerResumeRestart = 0x03,
    kTimerAudioReattach = 0x04,
    kTimerHalfSecond = 0x06,
    kTimerHiddenIconCheck = 0x07,
    kTimerConsoleRestart = 0x0A,
    kTimerTaskbarRestart = 0x0D,
    kTimerInputRepeat = 0x0E,
    kTimerTenSeconds = 0x0F,
    kTimerFullScreen = 0x2C,
    kTimerUpdateCheck = 0x2B,
    kTimerDuplicateNotice = 0x2D,
    kTimerDisplayChangeCheck = 0x45,
    kTimerMonitorOnCheck = 0x4E,
};

struct TimerStart {
    std::uint32_t id;
    std::uint32_t milliseconds;
};

// Started at the end of start-up, in this order.
inline constexpr TimerStart kStartupTimers[] = {
    {kTimerInputRepeat, 200},  {kTimerHalfSecond, 500},   {kTimerFullScreen, 1000},
    {kTimerHiddenIconCheck, 5000}, {kTimerTenSeconds, 10000}, {kTimerUpdateCheck, 12000},
    {kTimerDuplicateNotice, 15000},
};

// Every id but the periodic ones is stopped as soon as it fires, before its work.
bool TimerStopsWhenFired(std::uint32_t id);

enum class TimerAction { None, Restart, ConfigurationCheck };

struct TimerWork {
    TimerAction action = TimerAction::None;
    const wchar_t* logText = nullptr;
};

// The delayed restarts and configuration checks that system events arm.
TimerWork DelayedSystemWork(std::uint32_t id);
