// The small dialogs' templates through the dialog seam: every control is bound, values
// round-trip through the real controls, and Escape is told apart from the cancel button.
#include <windows.h>

#include <gtest/gtest.h>

#include <set>

#include "platform/dialog_controls.h"
#include "platform/dialog_handle_win32.h"
#include "res/resource.h"
#include "settings/settings.h"
#include "settings/settings_store.h"
#include "settings/ui_language.h"
#include "testing/program_state.h"
#include "ui/settings_controls.h"
#include "ui/settings_dialog.h"

namespace {

enum Part { kText, kCheck, kRichText, kButton };
enum Close { kPostClose, kEscape, kClickCancel };

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
    const HWND dialog = DialogHandle(window);
    std::set<int> bound, listed;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        bound.insert(GetDlgCtrlID(child));
    }
    const TextRun runs[] = {{L"\tred ", true}, {L"plain", false}};
    for (const auto& [id, part] : g_row->controls) {
        listed.insert(id);
        if (part == kText) DialogSetText(window, id, L"\tred plain");
        if (part == kRichText) DialogSetRichText(window, id, runs);
        DialogSetChecked(window, id, part == kCheck);
        EXPECT_EQ(DialogText(window, id), part == kText || part == kRichText ? L"\tred plain" : DialogText(window, id)) << id;
        EXPECT_EQ(DialogIsChecked(window, id), part == kCheck) << id;
    }
    EXPECT_EQ(bound, listed) << g_row->templateId;
    if (g_row->close == kPostClose) PostMessageW(dialog, WM_CLOSE, 0, 0);
    if (g_row->close == kEscape) PostMessageW(GetDlgItem(dialog, IDC_FULL_SCREEN_LINE), WM_KEYDOWN, VK_ESCAPE, 0);
    if (g_row->close == kClickCancel) PostMessageW(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
}

bool Record(int controlId) {
    g_reported = controlId;
    return true;
}

// A dialog still open at two ticks of a second apart is dismissed, as its user would, so a
// test that reaches one through the window procedure does not wait for ever.
void CALLBACK DismissForgottenDialogs(HWND, UINT, UINT_PTR, DWORD) {
    static std::set<DialogWindow> openAtLastTick;
    for (int i = 0; i < static_cast<int>(DialogWindow::Count); ++i) {
        const auto window = static_cast<DialogWindow>(i);
        if (!DialogIsOpen(window)) {
            openAtLastTick.erase(window);
        } else if (!openAtLastTick.insert(window).second) {
            DialogClose(window);
        }
    }
}

struct DialogDismisser : ::testing::Environment {
    void SetUp() override { SetTimer(nullptr, 0, 1000, DismissForgottenDialogs); }
};
const auto* const g_dismisser = ::testing::AddGlobalTestEnvironment(new DialogDismisser);

TEST(SmallDialogs, ControlsAreBoundAndValuesRoundTrip) {
    const std::vector<std::pair<int, Part>> fullScreen = {
        {IDC_FULL_SCREEN_APP, kText}, {IDC_FULL_SCREEN_LINE, kText}, {IDOK, kButton}, {IDCANCEL, kButton}};
    const std::vector<std::pair<int, Part>> monitor = {
        {IDC_MONITOR_NAME_GROUP, kText}, {IDC_MONITOR_NAME, kText},       {IDC_MONITOR_DIM_GROUP, kText},
        {IDC_MONITOR_DIM, kCheck},       {IDC_MONITOR_BRIGHTNESS, kText}, {IDC_MONITOR_DIM_PERIOD, kText},
        {IDC_MONITOR_USE_6B, kCheck},    {IDOK, kButton},                 {IDCANCEL, kButton},
        {-1, kButton}};  // the labels
    const std::vector<std::pair<int, Part>> update = {
        {IDC_UPDATE_TEXT, kText}, {IDC_UPDATE_HOMEPAGE, kButton}, {IDC_UPDATE_INSTALL, kButton}, {IDCANCEL, kButton}};
    const Row rows[] = {
        {DialogWindow::Help, IDD_HELP, {{IDC_RICH_TEXT, kRichText}, {IDC_HOMEPAGE, kButton}, {IDOK, kButton}}, kPostClose,
         kDialogDismissed},
        {DialogWindow::HiddenIcons, IDD_HIDDEN_ICONS_DE,
         {{IDC_HIDDEN_ICONS_TEXT, kText}, {IDC_NO_HIDDEN_WARNING, kCheck}, {IDOK, kButton}}, kPostClose, kDialogDismissed},
        {DialogWindow::PowerOff, IDD_POWER_OFF,
         {{IDC_RICH_TEXT, kRichText}, {IDC_POWER_OFF_INSTANT, kCheck}, {IDOK, kButton}, {IDCANCEL, kButton}}, kClickCancel,
         IDCANCEL},
        {DialogWindow::FullScreenCommand, IDD_FULL_SCREEN_EN, fullScreen, kEscape, kDialogDismissed},
        {DialogWindow::FullScreenCommand, IDD_FULL_SCREEN_DE, fullScreen, kClickCancel, IDCANCEL},
        {DialogWindow::Monitor, IDD_MONITOR_EN, monitor, kPostClose, kDialogDismissed},
        {DialogWindow::Monitor, IDD_MONITOR_DE, monitor, kClickCancel, IDCANCEL},
        {DialogWindow::Update, IDD_UPDATE_EN, update, kPostClose, kDialogDismissed},
        {DialogWindow::Update, IDD_UPDATE_DE, update, kClickCancel, IDCANCEL},
        {DialogWindow::VcpWait, IDD_VCP_WAIT, {{IDC_VCP_WAIT_TEXT, kText}, {IDOK, kButton}}, kPostClose, kDialogDismissed},
        {DialogWindow::VcpExplorer, IDD_VCP_EXPLORER,
         {{IDC_VCP_WARNING, kRichText}, {IDC_VCP_MONITOR, kButton}, {IDC_VCP_CAPABILITIES, kRichText},
          {IDC_VCP_LIST, kButton}, {IDOK, kButton}}, kPostClose, kDialogDismissed},
        {DialogWindow::VcpWrite, IDD_VCP_WRITE,
         {{IDC_VCP_WRITE_COMMAND, kText}, {IDC_VCP_WRITE_ACCESS, kText}, {IDC_VCP_WRITE_INSTRUCTION, kText},
          {IDC_VCP_WRITE_VALUE, kText}, {IDC_VCP_WRITE_CURRENT, kText}, {IDC_VCP_WRITE_MAXIMUM, kText},
          {IDC_VCP_WRITE_NOTE, kText}, {IDC_VCP_WRITE_NAME, kText}, {IDC_VCP_STEP_UP_1, kButton},
          {IDC_VCP_STEP_DOWN_1, kButton}, {IDC_VCP_STEP_UP_5, kButton}, {IDC_VCP_STEP_DOWN_5, kButton}, {IDOK, kButton}},
         kPostClose, kDialogDismissed},
    };
    for (const Row& row : rows) {
        g_row = &row;
        g_reported = 0;
        EXPECT_TRUE(DialogRun({row.window, row.templateId, 90, true, 0, RoundTrip, Record})) << row.templateId;
        EXPECT_EQ(g_reported, row.reported) << row.templateId;
        EXPECT_FALSE(DialogIsOpen(row.window));
    }
}

// Both templates hold a control for every field the presenter binds, and the values that
// need more than a text or a tick come back from the real controls as they went in.
TEST(SettingsDialog, EveryBoundControlExistsAndValuesRoundTrip) {
    for (const std::uint16_t language : {kLanguageEnglish, kLanguageGerman}) {
        ResetProgramState();
        g_settingsStatus.suppressSave = true;
        UiLanguageSet(language);
        g_settings.hotkey[3] = 0x0641;
        g_settings.timed[2] = {21, 45, L"b 10", true};
        g_settings.wheel[1].keys = language == kLanguageGerman ? L"strg+umschalt" : L"ctrl+shift";
        g_settings.div[0] = 1.5f;
        ShowSettingsDialog(4);
        const HWND dialog = DialogHandle(DialogWindow::Settings);
        ASSERT_NE(dialog, nullptr) << language;
        const Settings before = g_settings;
        for (const SettingsControl& control : SettingsControls(g_settings)) {
            EXPECT_NE(GetDlgItem(dialog, control.id), nullptr) << language << " " << control.id;
            SettingsStore(control);
        }
        EXPECT_EQ(g_settings.hotkey, before.hotkey);
        EXPECT_EQ(g_settings.timed[2].hour * 60 + g_settings.timed[2].minute, 21 * 60 + 45);
        EXPECT_EQ(g_settings.wheel[1].keys, before.wheel[1].keys);
        EXPECT_EQ(g_settings.div, before.div);
        SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        EXPECT_FALSE(SettingsDialogIsOpen());
    }
    UiLanguageSet(kLanguageEnglish);
}

}  // namespace
