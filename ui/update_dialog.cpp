#include "ui/update_dialog.h"

#include <cwchar>

#include "platform/dialog_controls.h"
#include "res/resource.h"
#include "settings/texts.h"
#include "settings/ui_language.h"

namespace {

std::wstring g_text;
UpdateChoice g_choice = UpdateChoice::Cancel;

void Open() { DialogSetText(DialogWindow::Update, IDC_UPDATE_TEXT, g_text); }

bool Command(int controlId) {
    if (controlId == IDC_UPDATE_HOMEPAGE) g_choice = UpdateChoice::Homepage;
    if (controlId == IDC_UPDATE_INSTALL) g_choice = UpdateChoice::Install;
    return controlId == IDC_UPDATE_HOMEPAGE || controlId == IDC_UPDATE_INSTALL || controlId == IDCANCEL ||
           controlId == kDialogDismissed;
}

}  // namespace

std::wstring UpdateDialogText(const VersionInfo& running, const VersionInfo& offered) {
    wchar_t versions[256] = {};
    std::swprintf(versions, 256, UiText(TextId::UpdateVersions), MajorMinor(running, L'.').c_str(),
                  MajorMinor(offered, L'.').c_str());
    return versions + NotesText(UiIsGerman() ? offered.germanNotes : offered.englishNotes);
}

UpdateChoice AskForUpdate(const VersionInfo& running, const VersionInfo& offered) {
    g_text = UpdateDialogText(running, offered);
    g_choice = UpdateChoice::Cancel;
    const DialogSpec spec{DialogWindow::Update, UiIsGerman() ? IDD_UPDATE_DE : IDD_UPDATE_EN, kTimerShowUpdate,
                          false, 0, Open, Command};
    return DialogRun(spec) ? g_choice : UpdateChoice::Cancel;
}
