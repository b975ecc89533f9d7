#include "ui/help_window.h"

#include "platform/dialog_controls.h"
#include "platform/shell.h"
#include "res/resource.h"
#include "settings/texts.h"
#include "update/home_page.h"

namespace {

constexpr int kTabStops[] = {20};

void Open() {
    DialogSetTabStops(DialogWindow::Help, IDC_RICH_TEXT, kTabStops);
    DialogSetText(DialogWindow::Help, IDC_RICH_TEXT, UiText(TextId::HelpText));
}

bool Command(int controlId) {
    if (controlId == IDC_HOMEPAGE) ShellOpen(kHomePage);
    return controlId == IDC_HOMEPAGE || controlId == IDOK || controlId == kDialogDismissed;
}

constexpr DialogSpec kHelp{DialogWindow::Help, IDD_HELP, kTimerShowHelp, true, IDC_RICH_TEXT, Open, Command};

}  // namespace

void OpenHelpWindow() { DialogRun(kHelp); }
