// The small dialogs' templates through the dialog seam: every control is bound, values
// round-trip through the real controls, and Escape is told apart from the cancel button.
#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "platform/dialog_controls.h"
#include "platform/dialog_handle_win32.h"
#include "res/resource.h"

namespace {

enum class Part { Text, Check, RichText, Button };
enum class Close { Post, Escape, ClickCancel };

struct Row {
    DialogWindow window;
    int templateId;
    std::vector<std::pair<int, Part>> controls;
    Close close;
    int reported;
};

const Row* g_row = nullptr;
int g_reported = 0;

void RoundTrip() {
    const DialogWindow window = g_row->window;
    std::set<int> bound;
    for (HWND child = GetWindow(DialogHandle(window), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        bound.insert(GetDlgCtrlID(child));
    }
    std::set<int> listed;
    for (const auto& [id, part] : g_row->controls) {
        listed.insert(id);
        if (part == Part::Text) {
            DialogSetText(window, id, L"b 50 c 40");
            EXPECT_EQ(DialogText(window, id), L"b 50 c 40") << id;
        } else if (part == Part::Check) {
            DialogSetChecked(window, id, true);
            EXPECT_TRUE(DialogIsChecked(window, id)) << id;
        } else if (part == Part::RichText) {
            const TextRun runs[] = {{L"\tred ", true}, {L"plain", false}};
            DialogSetRichText(window, id, runs);
            EXPECT_EQ(DialogText(window, id), L"\tred plain") << id;
        }
    }
    EXPECT_EQ(bound, listed) << g_row->templateId;
    const HWND dialog = DialogHandle(window);
    if (g_row->close == Close::Post) PostMessageW(dialog, WM_CLOSE, 0, 0);
    if (g_row->close == Close::Escape) PostMessageW(GetDlgItem(dialog, IDC_FULL_SCREEN_LINE), WM_KEYDOWN, VK_ESCAPE, 0);
    if (g_row->close == Close::ClickCancel) PostMessageW(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
}

bool Record(int controlId) {
    g_reported = controlId;
    return true;
}

TEST(SmallDialogs, ControlsAreBoundAndValuesRoundTrip) {
    const Row rows[] = {
        {DialogWindow::Help, IDD_HELP, {{IDC_RICH_TEXT, Part::RichText}, {IDC_HOMEPAGE, Part::Button}, {IDOK, Part::Button}},
         Close::Post, kDialogDismissed},
        {DialogWindow::HiddenIcons, IDD_HIDDEN_ICONS_DE,
         {{IDC_HIDDEN_ICONS_TEXT, Part::Text}, {IDC_NO_HIDDEN_WARNING, Part::Check}, {IDOK, Part::Button}}, Close::Post,
         kDialogDismissed},
        {DialogWindow::PowerOff, IDD_POWER_OFF,
         {{IDC_RICH_TEXT, Part::RichText}, {IDC_POWER_OFF_INSTANT, Part::Check}, {IDOK, Part::Button}, {IDCANCEL, Part::Button}},
         Close::ClickCancel, IDCANCEL},
        {DialogWindow::FullScreenCommand, IDD_FULL_SCREEN_EN,
         {{IDC_FULL_SCREEN_APP, Part::Text}, {IDC_FULL_SCREEN_LINE, Part::Text}, {IDOK, Part::Button}, {IDCANCEL, Part::Button}},
         Close::Escape, kDialogDismissed},
        {DialogWindow::FullScreenCommand, IDD_FULL_SCREEN_DE,
         {{IDC_FULL_SCREEN_APP, Part::Text}, {IDC_FULL_SCREEN_LINE, Part::Text}, {IDOK, Part::Button}, {IDCANCEL, Part::Button}},
         Close::ClickCancel, IDCANCEL},
    };
    for (const Row& row : rows) {
        g_row = &row;
        g_reported = 0;
        const DialogSpec spec{row.window, row.templateId, 90, true, 0, RoundTrip, Record};
        EXPECT_TRUE(DialogRun(spec)) << row.templateId;
        EXPECT_EQ(g_reported, row.reported) << row.templateId;
        EXPECT_FALSE(DialogIsOpen(row.window));
    }
}

}  // namespace
