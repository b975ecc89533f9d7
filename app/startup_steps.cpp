#include "app/startup_steps.h"

#include "tray/icon_set.h"

void PrepareWmiStrings() {}
void PrepareSettingsDialogTexts() {}
void PrepareTimedAndWheelEntries() {}
void PrepareUpdateWindowText() {}
void LoadGpuLibraries() {}
void FreeGpuLibraries() {}
void PrepareControlPanel() {}
void AttachLaptopPanelAndAudio() {}
void CreateTooltipsAndIcons() { CreateNotificationIcons(); }
void RemoveNotificationIcons() { RemoveAllIcons(); }
void ApplyAutostartShortcut() {}
void RereadControlPanelValues() {}
bool CloseSettingsDialogIfOpen() { return false; }
