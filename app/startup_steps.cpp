#include "app/startup_steps.h"

#include "platform/panel_window.h"
#include "tray/icon_set.h"
#include "ui/control_panel_presenter.h"

void PrepareWmiStrings() {}
void PrepareSettingsDialogTexts() {}
void PrepareTimedAndWheelEntries() {}
void PrepareUpdateWindowText() {}
void LoadGpuLibraries() {}
void FreeGpuLibraries() {}
void PrepareControlPanel() { PanelArrange(); }
void AttachLaptopPanelAndAudio() {}
void CreateTooltipsAndIcons() {
    PanelCreateTooltips();
    CreateNotificationIcons();
}
void RemoveNotificationIcons() { RemoveAllIcons(); }
void RereadControlPanelValues() {}
