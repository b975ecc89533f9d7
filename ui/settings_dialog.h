// The settings dialog (templates 104 / 105): one modeless window whose tree switches between
// six pages. The presenter below fills the controls from the settings record, answers the
// buttons and check boxes, stores the fields back and decides the restarts; the window
// itself is ui/settings_dialog_win32.cpp.
#pragma once
#include <cstdint>

#include "settings/settings.h"

inline constexpr int kSettingsPages = 6;
inline constexpr int kSettingsHotkeyPage = 2;
inline constexpr int kSettingsProgramPage = 5;

// Opens the dialog on page, or brings it to the front when it is open.
void ShowSettingsDialog(std::int32_t page);
bool SettingsDialogIsOpen();
// At exit: stores the fields, saves and closes an open dialog without restarting; false when
// none was open.
bool CloseSettingsDialogIfOpen();

// What decides a restart when the dialog closes, as it was when the dialog opened.
struct SettingsSnapshot {
    bool samevalues, usemousehook, usekeyboardhook;
    std::int32_t aliasing;
    bool daily, weekly;
    bool german;
};
SettingsSnapshot SettingsSnapshotOf(const Settings& settings, bool german);
// Why the program must restart after OK, as the event log says it; null when it need not.
const wchar_t* SettingsRestartReason(const SettingsSnapshot& before, const SettingsSnapshot& after);

// The window procedure's calls. Fill: every control from the record, and the snapshot.
void SettingsDialogFill();
// The page the tree shows now; hotkeys stay inactive while it is the hotkey page, and the
// program page lists the running programs afresh.
void SettingsDialogPageShown(int page);
// The window is gone: hotkeys work again.
void SettingsDialogClosed();
enum class SettingsNext { Stay, Close };
// A button or check box of the dialog; OK (and the close box) close it unless a command line
// is refused.
SettingsNext SettingsControlUsed(int controlId);
// Escape: the record goes back to what it was when the dialog opened.
void SettingsDialogCancel();
// Every field into the record, then both files saved; false when a command line was refused
// (it keeps its old value and a message says so).
bool SettingsDialogApply();
