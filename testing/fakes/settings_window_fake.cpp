// The settings dialog's window exists only on Windows (ui/settings_dialog_win32.cpp); host
// tests drive its presenter directly, so the window here is never open.
#include "ui/settings_dialog.h"

void ShowSettingsDialog(std::int32_t) {}
bool SettingsDialogIsOpen() { return false; }
bool CloseSettingsDialogIfOpen() { return false; }
