// The main window as start-up creates it: its monitor list is set up and a user's tick in it
// reaches the power rule; its value labels hold the longest captions.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "app/main_window_win32.h"
#include "app/start_facts.h"
#include "monitors/monitor_list.h"
#include "res/resource.h"
#include "settings/settings.h"
#include "testing/program_state.h"

namespace {

class MainWindowPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
        g_start.mainThreadId = GetCurrentThreadId();
        window_ = CreateMainWindow(GetModuleHandleW(nullptr));
        ASSERT_NE(window_, nullptr);
        list_ = GetDlgItem(window_, IDC_MONITOR_LIST);
    }
    void TearDown() override {
        MonitorListClear();
        if (IsWindow(window_)) DestroyWindow(window_);
        DrainMessages();
        ResetProgramState();
    }

    static void DrainMessages() {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    }

    bool ViewChecked(int row) const {
        const auto state = static_cast<UINT>(SendMessageW(list_, LVM_GETITEMSTATE, row, LVIS_STATEIMAGEMASK));
        return (state & LVIS_STATEIMAGEMASK) == INDEXTOSTATEIMAGEMASK(2);
    }

    HWND window_ = nullptr;
    HWND list_ = nullptr;
};

TEST_F(MainWindowPanelTest, AClickWithoutCtrlAndShiftUnderSafetyPutsTheCheckBoxBack) {
    g_settings.safety = true;
    // Without the list's set-up there would be no check box to tick.
    ASSERT_EQ(MonitorListAppend(L"Generic"), 0);
    MonitorListSetChecked(0, true);
    ASSERT_TRUE(ViewChecked(0));

    LVITEMW item{};
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.state = INDEXTOSTATEIMAGEMASK(1);
    SendMessageW(list_, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_FALSE(MonitorListIsChecked(0)) << "the window procedure takes the user's tick";
    DrainMessages();
    EXPECT_TRUE(MonitorListIsChecked(0));
    EXPECT_TRUE(ViewChecked(0));
}

TEST_F(MainWindowPanelTest, ValueLabelsHoldTheirLongestCaptions) {
    struct Label {
        int id;
        const wchar_t* text;
    };
    const Label labels[] = {
        {IDC_BRIGHTNESS_LABEL, L"Brightness 100"}, {IDC_BRIGHTNESS_LABEL, L"Helligkeit 100"},
        {IDC_CONTRAST_LABEL, L"Contrast 100"},     {IDC_CONTRAST_LABEL, L"Kontrast 100"},
        {IDC_RED_LABEL, L"R255"},                  {IDC_GREEN_LABEL, L"G255"},
        {IDC_BLUE_LABEL, L"B255"},                 {IDC_SPEAKER_LABEL, L"V100"},
        {IDC_SATURATION_LABEL, L"S100"},
    };
    HDC dc = GetDC(window_);
    for (const Label& label : labels) {
        const HWND control = GetDlgItem(window_, label.id);
        ASSERT_NE(control, nullptr) << label.id;
        const HGDIOBJ before = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
        SIZE extent{};
        GetTextExtentPoint32W(dc, label.text, lstrlenW(label.text), &extent);
        SelectObject(dc, before);
        RECT client{};
        GetClientRect(control, &client);
        EXPECT_LE(extent.cx, client.right) << "label " << label.id << " cuts its caption";
    }
    ReleaseDC(window_, dc);
}

}  // namespace
