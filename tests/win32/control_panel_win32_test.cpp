#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "platform/control_panel.h"
#include "platform/main_window.h"

namespace {

HWND Child(HWND parent, const wchar_t* windowClass, DWORD style, int id) {
    return CreateWindowExW(0, windowClass, L"", WS_CHILD | WS_VISIBLE | style, 0, 0, 100, 100, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
}

std::wstring ComboText(HWND combo, int index) {
    wchar_t text[64] = {};
    SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
    return text;
}

TEST(ControlPanelControls, SlidersTextsVisibilityAndChoiceListsReachTheirControls) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
    ASSERT_TRUE(InitCommonControlsEx(&controls));
    const HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 300, 300, nullptr, nullptr,
                                        GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(parent, nullptr);
    const HWND slider = Child(parent, TRACKBAR_CLASSW, TBS_VERT, 1038);
    const HWND label = Child(parent, L"STATIC", 0, 1002);
    const HWND combo = Child(parent, L"COMBOBOX", CBS_DROPDOWNLIST, 1113);
    const HWND check = Child(parent, L"BUTTON", BS_AUTOCHECKBOX, 1037);
    SendMessageW(slider, TBM_SETRANGE, TRUE, MAKELPARAM(0, 100));

    // Without a main window every call is a quiet no-op.
    MainWindowDetach();
    ControlSetSlider(1038, 40);
    EXPECT_EQ(SendMessageW(slider, TBM_GETPOS, 0, 0), 0);
    EXPECT_FALSE(ControlPanelIsVisible());

    MainWindowAttach(reinterpret_cast<std::uintptr_t>(parent));
    ControlSetSlider(1038, 25);
    ControlSetText(1002, L"Brightness 75");
    ControlSetChecked(1037, true);
    ComboClear(1113);
    for (const wchar_t* name : {L"6500K", L"9300K", L"User1"}) ComboAdd(1113, name);
    ComboSelect(1113, L"9300K");
    ComboSelect(1113, L"absent");
    ControlSetVisible(1002, false);
    ControlSetSlider(4242, 1);  // a control the dialog does not have

    EXPECT_EQ(SendMessageW(slider, TBM_GETPOS, 0, 0), 25);
    wchar_t text[64] = {};
    GetWindowTextW(label, text, 64);
    EXPECT_STREQ(text, L"Brightness 75");
    EXPECT_EQ(SendMessageW(check, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(ComboText(combo, 2), L"User1");
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 1);
    EXPECT_FALSE(IsWindowVisible(label));
    EXPECT_FALSE(ControlPanelIsVisible());
    ShowWindow(parent, SW_SHOWNOACTIVATE);
    EXPECT_TRUE(ControlPanelIsVisible());
    ComboClear(1113);
    EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 0);

    MainWindowDetach();
    DestroyWindow(parent);
}

}  // namespace
