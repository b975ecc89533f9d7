#include "app/exit_path.h"

#include <string>

#include "app/app_state.h"
#include "log/event_log.h"
#include "app/monitor_memory.h"
#include "app/restart_marker.h"
#include "app/startup_steps.h"
#include "monitors/configuration_signature.h"
#include "monitors/brightness.h"
#include "monitors/discovery.h"
#include "monitors/monitor_table.h"
#include "platform/clock.h"
#include "platform/main_window.h"
#include "res/resource.h"
#include "settings/settings.h"
#include "settings/settings_store.h"

namespace {

constexpr std::uint32_t kValuesRestoredMs = 5000;

void SaveForExit() {
    if (g_monitors.cloneMode) g_settings.showvolumeicon = g_settings.showvolumeiconAtStart;
    g_settings.exitday = ClockLocalTime().day;
    g_settings.hiddenrestart = g_app.restartRequested && g_app.hiddenRestart;
    SelectionToSettings();
    if (!CloseSettingsDialogIfOpen()) SettingsSaveBoth();
}

}  // namespace

bool ExitNeedsConfirmation(std::intptr_t kind) {
    return !g_app.quietExit && !g_app.restartRequested && kind != kExitConfigurationCheck;
}

void CompareMonitorConfiguration(bool panelWasVisible) {
    if (g_app.configurationChanged) return;
    const std::wstring before = g_monitors.configurationSignature;
    if (g_monitors.passRunning) {
        LogEvent(static_cast<std::uint32_t>(-1), -1, L"noenum was TRUE in ID_EXIT", kLogNoOutcome, nullptr);
    } else {
        DiscoverMonitors(false);
    }
    const std::wstring after = BuildConfigurationSignature();
    g_monitors.configurationSignature = after;
    if (after == before) return;
    g_app.configurationChanged = true;
    const std::wstring text = L"ID_EXIT -> monitor configuration changed -> Restart Lumistrand\r\n" + before +
                              L"\r\n" + after;
    LogEvent(static_cast<std::uint32_t>(-1), -1, text.c_str(), kLogNoOutcome, nullptr);
    g_app.restartRequested = !g_app.quietExit;
    g_app.hiddenRestart = !g_app.quietExit && !panelWasVisible;
}

bool FinishExit(std::intptr_t kind, bool panelWasVisible) {
    // A monitor that was switched back on may come up with other values: the check's pass
    // reads them without remembering them, so that the remembered ones can be written back.
    const bool check = kind == kExitConfigurationCheck;
    g_monitors.forceReread = check;
    g_monitors.quickRecheck = check;
    CompareMonitorConfiguration(panelWasVisible);
    g_monitors.forceReread = false;
    g_monitors.quickRecheck = false;
    if (kind == kExitUser) {
        g_app.restartRequested = false;
        g_app.hiddenRestart = false;
    }
    if (kind == kExitConfigurationCheck && !g_app.configurationChanged) {
        if (g_settings.restorevalues && !g_monitors.cloneMode) {
            MainWindowSetTimer(kTimerValuesRestored, kValuesRestoredMs);
            BrightnessHoldBalloons(true);
            RestoreRememberedValues(RestoreMoment::ConfigurationCheck);
        }
        return false;
    }
    if (kind != kExitWithoutSaving) SaveForExit();
    if (g_app.restartRequested && !g_app.sessionEnding) MarkHiddenRestart(g_app.hiddenRestart);
    RemoveNotificationIcons();
    return true;
}
