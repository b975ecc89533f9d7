#include "app/timer_table.h"

#include "app/device_events.h"
#include "app/exit_path.h"
#include "app/main_window_work.h"
#include "app/periodic_work.h"
#include "app/restart.h"
#include "audio/audio.h"
#include "automation/program_triggers.h"
#include "commands/vcp_message_box.h"
#include "hooks/handover.h"
#include "hooks/key_hook.h"
#include "log/event_log.h"
#include "monitors/brightness.h"
#include "platform/main_window.h"
#include "platform/panel_window.h"
#include "res/resource.h"
#include "tray/balloon.h"
#include "ui/control_panel_presenter.h"
#include "ui/hidden_icons.h"
#include "ui/vcp_explorer.h"
#include "update/update_check.h"

namespace {

constexpr wchar_t kTaskbarRestart[] = L"TaskbarCreated message received 5 seconds ago -> now restart Lumistrand";
constexpr wchar_t kConsoleRestart[] = L"WTS_CONSOLE_CONNECT message received 5 seconds ago -> now restart Lumistrand";
constexpr wchar_t kResumeRestart[] = L"PBT_APMRESUMEAUTOMATIC message received 5 seconds ago -> now restart Lumistrand";
constexpr wchar_t kDisplayChangeCheck[] = L"WM_DISPLAYCHANGE 10 seconds ago -> now check if configuration has changed";
constexpr wchar_t kMonitorOnCheck[] = L"MONITOR_POWER_ON ON 20 seconds ago -> now check if configuration has changed";

template <const wchar_t* reason>
void RestartForSystemEvent() {
    RestartLogged(reason);
}

template <const wchar_t* reason>
void CheckConfigurationForSystemEvent() {
    LogEvent(static_cast<std::uint32_t>(-1), -1, reason, kLogNoOutcome, nullptr);
    MainWindowPostCommand(kCommandExit, kExitConfigurationCheck);
}

constexpr MainWindowTimer kTimers[] = {
    {kTimerInputRepeat, 200, false, InputRepeatTick},
    {kTimerHalfSecond, 500, false, HalfSecondWork},
    {kTimerFullScreen, 1000, false, CheckProgramTriggers},
    {kTimerHiddenIconCheck, 5000, false, HiddenIconCheckAndPowerCount},
    {kTimerTenSeconds, 10000, false, TenSecondWork},
    {kTimerUpdateCheck, 12000, true, AutomaticUpdateCheck},
    {kTimerDuplicateNotice, 15000, true, DuplicateModeNotice},
    {kTimerBalloonHide, 0, true, HideNotification},
    {kTimerResumeRestart, 0, true, RestartForSystemEvent<kResumeRestart>},
    {kTimerAudioReattach, 0, true, ReattachAudio},
    {kTimerAfterPanelEvent, 0, true, AfterPanelEventTick},
    {kTimerConsoleRestart, 0, true, RestartForSystemEvent<kConsoleRestart>},
    {kTimerHiddenWarningClose, 0, true, HiddenIconWarningCloseTick},
    {kTimerTaskbarRestart, 0, true, RestartForSystemEvent<kTaskbarRestart>},
    {kTimerPanelToFront, 0, true, PanelShowInFront},
    {kTimerPanelChangeShown, 0, true, ShowPanelChangeTick},
    {kTimerHookRelease, 0, true, ReleaseHookCommand},
    {kTimerSliderWrite, 0, true, PanelWriteSliderValues},
    {kTimerBrightnessTransfer, 0, true, TransferBrightness},
    {kTimerPowerRecheck, 0, true, RecheckPowerStates},
    {kTimerDisplayChangeCheck, 0, true, CheckConfigurationForSystemEvent<kDisplayChangeCheck>},
    {kTimerVcpMessage, 0, true, ShowPreparedVcpBox},
    {kTimerExplorerClosesSettings, 0, false, ExplorerClosesSettingsTick},
    {kTimerRereadValues, 0, true, RereadAllValues},
    {kTimerMonitorOnCheck, 0, true, CheckConfigurationForSystemEvent<kMonitorOnCheck>},
    {kTimerValuesRestored, 0, true, EndRestoreHold},
};

}  // namespace

std::span<const MainWindowTimer> MainWindowTimers() { return kTimers; }

const MainWindowTimer* FindMainWindowTimer(std::uint32_t id) {
    for (const MainWindowTimer& timer : kTimers) {
        if (timer.id == id) return &timer;
    }
    return nullptr;
}
