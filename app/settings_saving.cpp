#include "app/settings_saving.h"

#include "log/event_log.h"
#include "platform/panel_window.h"
#include "settings/settings.h"

void LogSettingsSaveFailures(const SettingsSaveFailures& failures) {
    for (const SettingsSaveFailure& failure : failures) LogFailureCause(false, L"Save settings", failure.path, failure.error);
}

// The panel may have been dragged since it was placed; the file keeps where it is now.
void SaveSettingsPair() {
    const ScreenRect panel = PanelWindowRect();
    if (panel.right > panel.left) {
        g_settings.lastx = panel.left;
        g_settings.lasty = panel.top;
    }
    LogSettingsSaveFailures(SettingsSaveBoth());
}
