// The main window as start-up creates it (dialog 101): its controls behind the control-panel
// seam, its monitor list, and the blocks it takes from second starts.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <vector>

#include "app/main_window_win32.h"
#include "app/start_facts.h"
#include "monitors/monitor_list.h"
#include "platform/control_panel.h"
#include "platform/main_window.h"
#include "res/resource.h"
#include "settings/settings.h"
#include "testing/program_state.h"

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
        g_start.mainThreadId = GetCurrentThreadId();
        window_ = CreateMainWindow(GetModuleHandleW(nullptr));
        ASSERT_NE(window_, nullptr);
    }
    void TearDown() override {
        if (IsWindow(window_)) DestroyWindow(window_);
        DrainMessages();
        ResetProgramState();
    }

    static void DrainMessages() {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    }
    LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam, int id) const {
        return SendMessageW(GetDlgItem(window_, id), message, wParam, lParam);
    }
    std::wstring Text(int id, int row = -1, int column = 0) const {
        wchar_t text[64] = {};
        if (row < 0) {
            GetWindowTextW(GetDlgItem(window_, id), text, 64);
        } else {
            LVITEMW item{};
            item.iSubItem = column;
            item.pszText = text;
            item.cchTextMax = 64;
            Send(LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item), id);
        }
        return text;
    }
    bool ViewChecked(int row) const {
        const auto state = static_cast<UINT>(Send(LVM_GETITEMSTATE, row, LVIS_STATEIMAGEMASK, IDC_MONITOR_LIST));
        return (state & LVIS_STATEIMAGEMASK) == INDEXTOSTATEIMAGEMASK(2);
    }

    HWND window_ = nullptr;
};

TEST_F(MainWindowTest, IsAHiddenTopmostToolPopupHoldingEveryControlOfItsKind) {
    wchar_t name[64] = {};
    GetClassNameW(window_, name, 64);
    EXPECT_STREQ(name, kMainWindowClass);
    const LONG style = GetWindowLongW(window_, GWL_STYLE), exStyle = GetWindowLongW(window_, GWL_EXSTYLE);
    EXPECT_EQ(style & (WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_VISIBLE), WS_POPUP);
    EXPECT_EQ(exStyle & (WS_EX_TOPMOST | WS_EX_TOOLWINDOW), WS_EX_TOPMOST | WS_EX_TOOLWINDOW);
    const struct {
        const wchar_t* className;
        LONG style;
        std::vector<int> ids;
    } kinds[] = {
        {WC_LISTVIEWW, LVS_REPORT | LVS_SINGLESEL, {IDC_MONITOR_LIST}},
        {TRACKBAR_CLASSW, TBS_VERT,
         {IDC_BRIGHTNESS_SLIDER, IDC_CONTRAST_SLIDER, IDC_VOLUME_SLIDER, IDC_RED_SLIDER, IDC_GREEN_SLIDER, IDC_BLUE_SLIDER,
          IDC_SPEAKER_SLIDER, IDC_SATURATION_SLIDER}},
        {L"ComboBox", CBS_DROPDOWNLIST, {IDC_COLOUR_PRESET, IDC_INPUT, IDC_MONITOR_PRESET}},
        {L"Button", BS_GROUPBOX, {IDC_MONITOR_GROUP}},
        {L"Button", BS_AUTOCHECKBOX | BS_PUSHLIKE, {IDC_ADVANCED_COLUMN}},
        {L"Button", BS_AUTOCHECKBOX, {IDC_VOLUME_COLUMN, IDC_VOLUME_ICON, IDC_MUTE}},
    };
    for (const auto& kind : kinds) {
        for (const int id : kind.ids) {
            const HWND control = GetDlgItem(window_, id);
            ASSERT_NE(control, nullptr) << id;
            GetClassNameW(control, name, 64);
            EXPECT_EQ(_wcsicmp(name, kind.className), 0) << id;
            EXPECT_EQ(GetWindowLongW(control, GWL_STYLE) & kind.style, kind.style) << id;
        }
    }
    for (const int id : {IDC_TURN_OFF_SHORT, IDC_RESCAN_SHORT, IDC_LAPTOP_NO_CONTRAST, IDC_LAPTOP_LEVELS, IDC_NO_GAINS}) {
        EXPECT_FALSE(GetWindowLongW(GetDlgItem(window_, id), GWL_STYLE) & WS_VISIBLE) << id;
    }
    // The button for value v is first + v / 5.
    EXPECT_EQ(Text(IDC_VOLUME_STEP_FIRST + STEP_BUTTONS_PER_COLUMN - 1), L"100");
}

TEST_F(MainWindowTest, SlidersTextsVisibilityAndChoiceListsReachTheirControls) {
    MainWindowDetach();  // without a main window every call is a quiet no-op
    ControlSetSlider(IDC_BRIGHTNESS_SLIDER, 40);
    EXPECT_NE(Send(TBM_GETPOS, 0, 0, IDC_BRIGHTNESS_SLIDER), 40);
    MainWindowAttach(reinterpret_cast<std::uintptr_t>(window_));

    ControlSetSlider(IDC_BRIGHTNESS_SLIDER, 25);
    ControlSetText(IDC_BRIGHTNESS_LABEL, L"Brightness 75");
    ControlSetChecked(IDC_MUTE, true);
    ComboClear(IDC_COLOUR_PRESET);
    for (const wchar_t* name : {L"6500K", L"9300K", L"User1"}) ComboAdd(IDC_COLOUR_PRESET, name);
    ComboSelect(IDC_COLOUR_PRESET, L"9300K");
    ComboSelect(IDC_COLOUR_PRESET, L"absent");
    ControlSetVisible(IDC_BRIGHTNESS_LABEL, false);
    ControlSetSlider(4242, 1);  // a control the dialog does not have
    EXPECT_EQ(Send(TBM_GETPOS, 0, 0, IDC_BRIGHTNESS_SLIDER), 25);
    EXPECT_EQ(Text(IDC_BRIGHTNESS_LABEL), L"Brightness 75");
    EXPECT_EQ(Send(BM_GETCHECK, 0, 0, IDC_MUTE), BST_CHECKED);
    EXPECT_EQ(Send(CB_GETCURSEL, 0, 0, IDC_COLOUR_PRESET), 1);
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(window_, IDC_BRIGHTNESS_LABEL)));
    EXPECT_FALSE(ControlPanelIsVisible());
    ShowWindow(window_, SW_SHOWNOACTIVATE);
    EXPECT_TRUE(ControlPanelIsVisible());
    ComboClear(IDC_COLOUR_PRESET);
    EXPECT_EQ(Send(CB_GETCOUNT, 0, 0, IDC_COLOUR_PRESET), 0);
}

TEST_F(MainWindowTest, ValueLabelsHoldTheirLongestCaptions) {
    const std::pair<int, const wchar_t*> labels[] = {
        {IDC_BRIGHTNESS_LABEL, L"Brightness 100"}, {IDC_BRIGHTNESS_LABEL, L"Helligkeit 100"},
        {IDC_CONTRAST_LABEL, L"Contrast 100"},     {IDC_CONTRAST_LABEL, L"Kontrast 100"},
        {IDC_RED_LABEL, L"R255"},                  {IDC_GREEN_LABEL, L"G255"},
        {IDC_BLUE_LABEL, L"B255"},                 {IDC_SPEAKER_LABEL, L"V100"},
        {IDC_SATURATION_LABEL, L"S100"},
    };
    HDC dc = GetDC(window_);
    for (const auto& [id, caption] : labels) {
        const HWND control = GetDlgItem(window_, id);
        ASSERT_NE(control, nullptr) << id;
        const HGDIOBJ before = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
        SIZE extent{};
        GetTextExtentPoint32W(dc, caption, lstrlenW(caption), &extent);
        SelectObject(dc, before);
        RECT client{};
        GetClientRect(control, &client);
        EXPECT_LE(extent.cx, client.right) << "label " << id << " cuts its caption";
    }
    ReleaseDC(window_, dc);
}

// Without the list's set-up there would be no check box to tick, and a tick the program sets
// must not reach the power rule, which under safety puts a user's tick back.
TEST_F(MainWindowTest, MonitorListMirrorsTheRowsAndOnlyTheUsersTickReachesThePowerRule) {
    g_settings.safety = true;
    MonitorListAppend(L"Dell");
    MonitorListAppend(L"BenQ");
    MonitorListSetCell(0, kColumnBrightness, L"75");
    MonitorListSetCell(1, kColumnBlue, L"128");
    MonitorListSetChecked(0, true);
    MonitorListSelect(1);
    DrainMessages();
    const auto header = reinterpret_cast<HWND>(Send(LVM_GETHEADER, 0, 0, IDC_MONITOR_LIST));
    EXPECT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), kMonitorListColumns);
    EXPECT_EQ(Text(IDC_MONITOR_LIST, 0, kColumnBrightness), L"75");
    EXPECT_EQ(Text(IDC_MONITOR_LIST, 1, kColumnBlue), L"128");
    EXPECT_TRUE(ViewChecked(0) && MonitorListIsChecked(0));
    EXPECT_FALSE(ViewChecked(1));
    EXPECT_EQ(Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED, IDC_MONITOR_LIST), 1);

    LVITEMW item{};
    item.state = INDEXTOSTATEIMAGEMASK(1);
    item.stateMask = LVIS_STATEIMAGEMASK;
    Send(LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&item), IDC_MONITOR_LIST);
    EXPECT_FALSE(MonitorListIsChecked(0)) << "the window procedure takes the user's tick";
    DrainMessages();
    EXPECT_TRUE(MonitorListIsChecked(0));
    EXPECT_TRUE(ViewChecked(0));
    MonitorListClear();
    EXPECT_EQ(Send(LVM_GETITEMCOUNT, 0, 0, IDC_MONITOR_LIST), 0);
}

// The borderless panel is dragged by any empty spot.
TEST_F(MainWindowTest, EmptySpotsActAsTheCaption) {
    RECT rect{};
    GetWindowRect(window_, &rect);
    const LPARAM inside = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    EXPECT_EQ(SendMessageW(window_, WM_NCHITTEST, 0, inside), HTCAPTION);
    EXPECT_EQ(SendMessageW(window_, WM_NCHITTEST, 0, MAKELPARAM(rect.right + 50, rect.bottom + 50)), HTNOWHERE);
}

}  // namespace
