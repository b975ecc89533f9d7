#include "app/system_events.h"

#include <cstdio>
#include <optional>

#include "app/restart.h"
#include "log/event_log.h"
#include "platform/main_window.h"
#include "res/resource.h"

namespace {

constexpr std::uint32_t kNoDevice = static_cast<std::uint32_t>(-1);
constexpr std::uint32_t kConsoleConnect = 1, kConsoleDisconnect = 2;

struct SystemEventState {
    bool consoleDisconnected = false;
    std::uint64_t monitorPowerOns = 0;
    std::uint8_t powerSourceChanges = 0;
    std::optional<std::int32_t> minimumClientHeight;
};

SystemEventState g_events;

void Log(const wchar_t* text, const wchar_t* extraText = nullptr) { LogEvent(kNoDevice, -1, text, kLogNoOutcome, extraText); }

}  // namespace

// Explorer started anew and knows none of the icons: the restart adds them again. While the
// console is away there is no taskbar to show them.
void OnTaskbarCreated() {
    if (g_events.consoleDisconnected) return;
    Log(L"TaskbarCreated message received -> restart Lumistrand after 5 seconds");
    MainWindowSetTimer(kTimerTaskbarRestart, 5000);
}

// A monitor switched on may be what changed the displays: one check covers both.
void OnDisplayChange() {
    Log(L"WM_DISPLAYCHANGE -> check configuration after 10 sec.");
    MainWindowSetTimer(kTimerDisplayChangeCheck, 10000);
    MainWindowKillTimer(kTimerMonitorOnCheck);
}

void OnResumeFromSleep() {
    Log(L"PBT_APMRESUMEAUTOMATIC -> restart Lumistrand after 5 seconds");
    MainWindowSetTimer(kTimerResumeRestart, 5000);
}

// The system sends "monitor on" once as the answer to the registration; only later ones
// mean a monitor came back.
void OnPowerSettingChange(PowerSetting setting, std::uint8_t firstDataByte) {
    if (setting == PowerSetting::PowerSource || setting == PowerSetting::PowerSaving) {
        ++g_events.powerSourceChanges;
        return;
    }
    if (setting != PowerSetting::MonitorPower || firstDataByte == 0) return;
    if (++g_events.monitorPowerOns == 1) return;
    Log(L"PowerSettingEvent MONITOR_POWER_ON ON -> check configuration after 20 sec.");
    MainWindowSetTimer(kTimerMonitorOnCheck, 20000);
}

void OnSessionChange(std::uint32_t code, std::uint32_t sessionId) {
    wchar_t text[64] = {};
    std::swprintf(text, 64, L"WM_WTSSESSION_CHANGE %08X %08X", code, sessionId);
    if (code == kConsoleDisconnect) g_events.consoleDisconnected = true;
    if (code != kConsoleConnect) {
        Log(text);
        return;
    }
    g_events.consoleDisconnected = false;
    Log(text, L"WTS_CONSOLE_CONNECT -> restart Lumistrand after 5 seconds");
    MainWindowSetTimer(kTimerConsoleRestart, 5000);
}

void SetMinimumClientHeight(std::int32_t height) { g_events.minimumClientHeight = height; }

// A smaller client area than the layout needs cuts controls off; a fresh start lays it out again.
void OnClientHeight(std::int32_t height) {
    if (!g_events.minimumClientHeight || height >= *g_events.minimumClientHeight) return;
    RestartLogged(L"WM_SIZE decreasing y-client -> restart Lumistrand");
}

std::uint8_t PowerSourceChanges() { return g_events.powerSourceChanges; }

void SystemEventsReset() { g_events = SystemEventState{}; }
