#include "ui/full_screen_command.h"

#include <algorithm>

#include "platform/dialog_controls.h"
#include "res/resource.h"
#include "settings/settings.h"
#include "settings/ui_language.h"

namespace {

constexpr std::size_t kLineMax = 519;
constexpr int kDelete = IDCANCEL;

std::size_t g_row = 0;

void Open() {
    const FullScreenEntry& entry = g_settings.fullScreen[g_row];
    DialogSetText(DialogWindow::FullScreenCommand, IDC_FULL_SCREEN_APP, entry.app);
    DialogSetText(DialogWindow::FullScreenCommand, IDC_FULL_SCREEN_LINE, entry.commandLine);
}

// Later rows move up, as the program list shows them once the row is gone.
void DeleteRow() {
    auto& rows = g_settings.fullScreen;
    std::move(rows.begin() + static_cast<std::ptrdiff_t>(g_row) + 1, rows.end(), rows.begin() + static_cast<std::ptrdiff_t>(g_row));
    rows.back() = FullScreenEntry{};
}

// Enter in the command field must not end the entry: OK counts only with the focus on it.
bool Command(int controlId) {
    if (controlId == IDOK) {
        if (!DialogHasFocus(DialogWindow::FullScreenCommand, IDOK)) return false;
        g_settings.fullScreen[g_row].commandLine =
            DialogText(DialogWindow::FullScreenCommand, IDC_FULL_SCREEN_LINE).substr(0, kLineMax);
        return true;
    }
    if (controlId == kDelete) DeleteRow();
    return controlId == kDelete || controlId == kDialogDismissed;
}

}  // namespace

void OpenFullScreenCommand(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= g_settings.fullScreen.size()) return;
    g_row = static_cast<std::size_t>(row);
    const DialogSpec spec{DialogWindow::FullScreenCommand, UiIsGerman() ? IDD_FULL_SCREEN_DE : IDD_FULL_SCREEN_EN,
                          kTimerShowFullScreenCommand, false, 0, Open, Command};
    DialogRun(spec);
}
