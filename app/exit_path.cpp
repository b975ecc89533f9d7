#include "app/exit_path.h"

#include <string>

#include "app/monitor_memory.h"
#include "app/restart_marker.h"
#include "app/settings_saving.h"
#include "app/startup_steps.h"
#include "automation/dimming.h"
#include "automation/program_triggers.h"
#include "log/event_log.h"
#include "monitors/brightness.h"
#include "monitors/configuration_signature.h"
#include "monitors/discovery.h"
#include "monitors/monitor_table.h"
#include "platform/clock.h"
#include "platform/main_window.h"
#include "platform/message_box.h"
#include "res/resource.h"
#include "settings/settings.h"
#include "settings/settings_store.h"
#include "settings/texts.h"

namespace {

constexpr std::uint32_t kValuesRestoredMs = 5000;
constexpr wchar_t kExitQuestionValue[] = L"{D353CF42-628D-401F-B6B0-478DAB0F424C}";

ExitFlags g_exit;

void SaveForExit() {
    if (g_monitors.cloneMode) g_settings.showvolumeicon = g_settings.showvolumeiconAtStart;
    g_settings.exitday = ClockLocalTime().day;
    g_settings.hiddenrestart = g_exit.restartRequested && g_exit.hiddenRestart;
    SelectionToSettings();
    if (!CloseSettingsDialogIfOpen()) SaveSettingsPair();
}

}  // namespace

const ExitFlags& ExitState() { return g_exit; }

bool ExitRequestRestart(bool hidden) {
    if (g_exit.restartRequested || g_exit.ended) return false;
    g_exit.restartRequested = true;
    g_exit.hiddenRestart = hidden;
    return true;
}

void ExitRequestQuiet() { g_exit.quietExit = true; }

void ExitSetCode(std::int32_t code) { g_exit.exitCode = code; }

void ExitResetState() { g_exit = ExitFlags{}; }

bool ExitNeedsConfirmation(std::intptr_t kind) {
    return !g_exit.quietExit && !g_exit.restartRequested && kind != kExitConfigurationCheck;
}

bool ExitConfirmed() {
    if (g_exit.confirming) return false;
    g_exit.confirming = true;
    const bool ok = MessageBoxAskOnce(L"Lumistrand 7.2", UiText(TextId::ConfirmExit), kExitQuestionValue);
    g_exit.confirming = false;
    return ok;
}

void CompareMonitorConfiguration(bool panelWasVisible) {
    if (g_exit.configurationChanged) return;
    const std::wstring before = g_monitors.configurationSignature;
    if (g_monitors.passRunning) {
        LogEvent(static_cast<std::uint32_t>(-1), -1, L"noenum was TRUE in ID_EXIT", kLogNoOutcome, nullptr);
    } else {
        DiscoverMonitors(false);
    }
    const std::wstring after = BuildConfigurationSignature();
    g_monitors.configurationSignature = after;
    if (after == before) return;
    g_exit.configurationChanged = true;
    const std::wstring text = L"ID_EXIT -> monitor configuration changed -> Restart Lumistrand\r\n" + before +
                              L"\r\n" + after;
    LogEvent(static_cast<std::uint32_t>(-1), -1, text.c_str(), kLogNoOutcome, nullptr);
    g_exit.restartRequested = !g_exit.quietExit;
    g_exit.hiddenRestart = !g_exit.quietExit && !panelWasVisible;
}

bool FinishExit(std::intptr_t kind, bool panelWasVisible) {
    if (g_exit.ended) return false;
    // A monitor that was switched back on may come up with other values: the check's pass
    // reads them without remembering them, so that the remembered ones can be written back.
    const bool check = kind == kExitConfigurationCheck;
    g_monitors.forceReread = check;
    g_monitors.quickRecheck = check;
    CompareMonitorConfiguration(panelWasVisible);
    g_monitors.forceReread = false;
    g_monitors.quickRecheck = false;
    if (kind == kExitUser) {
        g_exit.restartRequested = false;
        g_exit.hiddenRestart = false;
    }
    if (kind == kExitConfigurationCheck && !g_exit.configurationChanged) {
        if (g_settings.restorevalues && !g_monitors.cloneMode) {
            MainWindowSetTimer(kTimerValuesRestored, kValuesRestoredMs);
            BrightnessHoldBalloons(true);
            RestoreRememberedValues(RestoreMoment::ConfigurationCheck);
        }
        return false;
    }
    // Values kept aside by a trigger or the dimming go back before the next start could take
    // the changed ones for the user's: triggers first, as one may have started on a dimmed monitor.
    EndFullScreenTriggers();
    UndimForExit();
    if (kind != kExitWithoutSaving) SaveForExit();
    if (g_exit.restartRequested && !g_exit.sessionEnding) MarkHiddenRestart(g_exit.hiddenRestart);
    RemoveNotificationIcons();
    g_exit.ended = true;
    return true;
}

bool QueryEndSession() {
    if (!g_monitors.cloneMode) RestoreOnShutdown();
    const std::int32_t selected = g_monitors.selectedMonitor;
    EndFullScreenTriggers();
    g_monitors.selectedMonitor = selected;
    return g_settings.restorevalues;
}

bool EndSession() {
    if (g_exit.ended || !g_settings.restorevalues) return false;
    g_exit.quietExit = true;
    g_exit.sessionEnding = true;
    g_exit.restartRequested = false;
    SaveForExit();
    g_exit.ended = true;
    return true;
}
