// The settings dialog's window exists only on Windows (ui/settings_dialog_win32.cpp); host
// tests drive its presenter directly; here the window is only a flag.
#include "testing/fakes/settings_window_fake.h"

#include <utility>

#include "ui/settings_dialog.h"

namespace {
bool g_open = false;
}  // namespace

void FakeSettingsWindowSetOpen(bool open) { g_open = open; }

void ShowSettingsDialog(std::int32_t) {}
bool SettingsDialogIsOpen() { return g_open; }
bool CloseSettingsDialogIfOpen() { return std::exchange(g_open, false); }
