#include "app/startup_steps.h"

#include "automation/timed_lines.h"
#include "platform/clock.h"
#include "platform/panel_window.h"
#include "tray/icon_set.h"
#include "ui/control_panel_presenter.h"

void PrepareWmiStrings() {}
void PrepareSettingsDialogTexts() {}
void PrepareTimedAndWheelEntries() { TimedLinesStart(ClockLocalTime()); }
void PrepareControlPanel() { PanelArrange(); }
void AttachLaptopPanelAndAudio() {}
void CreateTooltipsAndIcons() {
    PanelCreateTooltips();
    CreateNotificationIcons();
}
void RemoveNotificationIcons() { RemoveAllIcons(); }
void ApplyAutostartShortcut() {}
void RereadControlPanelValues() {}
bool CloseSettingsDialogIfOpen() { return false; }
