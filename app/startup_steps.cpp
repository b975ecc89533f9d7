#include "app/startup_steps.h"

void PrepareWmiStrings() {}
void PrepareSettingsDialogTexts() {}
void PrepareTimedAndWheelEntries() {}
void PrepareUpdateWindowText() {}
void LoadGpuLibraries() {}
void FreeGpuLibraries() {}
void PrepareControlPanel() {}
void AttachLaptopPanelAndAudio() {}
void CreateTooltipsAndIcons() {}
void RemoveNotificationIcons() {}
void ApplyAutostartShortcut() {}
void StartHookThread() {}
std::uint32_t HookThreadId() { return 0; }
void RereadControlPanelValues() {}
bool CloseSettingsDialogIfOpen() { return false; }
void ShowPowerOffInformation(std::int32_t) {}
