// The resources linked into the exe, read back through the same calls the program makes.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <string>
#include <vector>

#include "res/resource.h"

namespace {

const wchar_t kPanelClass[] = L"Lumistrand class 7.2";

// The dialog template names its class, so the class must exist before the dialog. Other
// tests in this exe register it with the program's own procedure: a class made here is
// removed again, so it never stands in for theirs.
bool RegisterPanelClassIfMissing() {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(GetModuleHandleW(nullptr), kPanelClass, &existing)) return false;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = DefDlgProcW;
    wc.cbWndExtra = DLGWINDOWEXTRA;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    wc.lpszClassName = kPanelClass;
    return RegisterClassExW(&wc) != 0;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

std::wstring TextOf(HWND window) {
    wchar_t text[128] = {};
    GetWindowTextW(window, text, 128);
    return text;
}

class ControlPanelTemplate : public testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX init{sizeof init, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
        ASSERT_TRUE(InitCommonControlsEx(&init));
        registeredClass = RegisterPanelClassIfMissing();
        panel = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_CONTROL_PANEL), nullptr, nullptr, 0);
        ASSERT_NE(panel, nullptr) << "error " << GetLastError();
    }
    void TearDown() override {
        if (panel) DestroyWindow(panel);
        if (registeredClass) UnregisterClassW(kPanelClass, GetModuleHandleW(nullptr));
    }
    HWND Control(int id) const { return GetDlgItem(panel, id); }
    HWND panel = nullptr;
    bool registeredClass = false;
};

TEST_F(ControlPanelTemplate, IsATopmostPopupOfTheProgramsClassWithoutCaptionOrTaskbarButton) {
    EXPECT_EQ(ClassOf(panel), kPanelClass);
    const LONG style = GetWindowLongW(panel, GWL_STYLE);
    const LONG exStyle = GetWindowLongW(panel, GWL_EXSTYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE(style & (WS_CAPTION | WS_THICKFRAME));
    EXPECT_FALSE(style & WS_VISIBLE) << "the program decides when the panel shows";
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
}

TEST_F(ControlPanelTemplate, HoldsEveryControlWithItsKindAndStyle) {
    struct Expected {
        int id;
        const wchar_t* className;
        LONG requiredStyle;
    };
    const LONG slider = TBS_VERT;
    const LONG dropDown = CBS_DROPDOWNLIST;
    const Expected controls[] = {
        {IDC_MONITOR_LIST, WC_LISTVIEWW, LVS_REPORT | LVS_SINGLESEL},
        {IDC_BRIGHTNESS_SLIDER, TRACKBAR_CLASSW, slider},
        {IDC_CONTRAST_SLIDER, TRACKBAR_CLASSW, slider},
        {IDC_VOLUME_SLIDER, TRACKBAR_CLASSW, slider},
        {IDC_RED_SLIDER, TRACKBAR_CLASSW, slider},
        {IDC_GREEN_SLIDER, TRACKBAR_CLASSW, slider},
        {IDC_BLUE_SLIDER, TRACKBAR_CLASSW, slider},
        {IDC_SPEAKER_SLIDER, TRACKBAR_CLASSW, slider},
        {IDC_SATURATION_SLIDER, TRACKBAR_CLASSW, slider},
        {IDC_COLOUR_PRESET, L"ComboBox", dropDown},
        {IDC_INPUT, L"ComboBox", dropDown},
        {IDC_MONITOR_PRESET, L"ComboBox", dropDown},
        {IDC_MONITOR_GROUP, L"Button", BS_GROUPBOX},
        {IDC_ADVANCED_COLUMN, L"Button", BS_AUTOCHECKBOX | BS_PUSHLIKE},
        {IDC_VOLUME_COLUMN, L"Button", BS_AUTOCHECKBOX},
        {IDC_VOLUME_ICON, L"Button", BS_AUTOCHECKBOX},
        {IDC_MUTE, L"Button", BS_AUTOCHECKBOX},
        {IDC_RESET_MONITOR, L"Button", 0},
        {IDC_POWER_TOGGLE, L"Button", 0},
        {IDC_ROTATE_DISPLAY, L"Button", 0},
        {IDC_TURN_OFF_SHORT, L"Button", 0},
        {IDC_TURN_OFF_WIDE, L"Button", 0},
        {IDC_RESCAN_SHORT, L"Button", 0},
        {IDC_RESCAN_WIDE, L"Button", 0},
        {IDC_HIDE_PANEL, L"Button", 0},
        {IDC_OPEN_SETTINGS, L"Button", 0},
        {IDC_BRIGHTNESS_LABEL, L"Static", 0},
        {IDC_CONTRAST_LABEL, L"Static", 0},
        {IDC_VOLUME_LABEL, L"Static", 0},
        {IDC_RED_LABEL, L"Static", 0},
        {IDC_GREEN_LABEL, L"Static", 0},
        {IDC_BLUE_LABEL, L"Static", 0},
        {IDC_SPEAKER_LABEL, L"Static", 0},
        {IDC_SATURATION_LABEL, L"Static", 0},
        {IDC_LAPTOP_NO_CONTRAST, L"Static", 0},
        {IDC_LAPTOP_LEVELS, L"Static", 0},
        {IDC_NO_GAINS, L"Static", 0},
    };
    for (const Expected& expected : controls) {
        SCOPED_TRACE(expected.id);
        HWND control = Control(expected.id);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(_wcsicmp(ClassOf(control).c_str(), expected.className), 0) << ClassOf(control);
        EXPECT_EQ(GetWindowLongW(control, GWL_STYLE) & expected.requiredStyle, expected.requiredStyle);
    }
}

TEST_F(ControlPanelTemplate, StepButtonsRunFromZeroToHundredInFivesWithTheLargestOnTop) {
    for (int first : {IDC_BRIGHTNESS_STEP_FIRST, IDC_CONTRAST_STEP_FIRST, IDC_VOLUME_STEP_FIRST}) {
        int previousTop = INT_MAX;
        for (int step = 0; step < STEP_BUTTONS_PER_COLUMN; ++step) {
            SCOPED_TRACE(first + step);
            HWND button = Control(first + step);
            ASSERT_NE(button, nullptr);
            EXPECT_EQ(TextOf(button), std::to_wstring(step * 5));
            RECT rect{};
            GetWindowRect(button, &rect);
            EXPECT_LT(rect.top, previousTop);
            previousTop = rect.top;
        }
    }
}

TEST_F(ControlPanelTemplate, ShowsTheWideTurnOffAndRescanButtonsAndHidesTheLaptopTexts) {
    const int visible[] = {IDC_TURN_OFF_WIDE, IDC_RESCAN_WIDE, IDC_MONITOR_LIST, IDC_BRIGHTNESS_SLIDER};
    const int hidden[] = {IDC_TURN_OFF_SHORT, IDC_RESCAN_SHORT, IDC_LAPTOP_NO_CONTRAST, IDC_LAPTOP_LEVELS, IDC_NO_GAINS};
    for (int id : visible) EXPECT_TRUE(GetWindowLongW(Control(id), GWL_STYLE) & WS_VISIBLE) << id;
    for (int id : hidden) EXPECT_FALSE(GetWindowLongW(Control(id), GWL_STYLE) & WS_VISIBLE) << id;
}

TEST(Accelerators, EscHidesThePanelAndF1OpensHelp) {
    HACCEL table = LoadAcceleratorsW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDA_MAIN));
    ASSERT_NE(table, nullptr);
    ACCEL entries[8] = {};
    const int count = CopyAcceleratorTableW(table, entries, 8);
    ASSERT_EQ(count, 2);
    std::set<std::pair<WORD, WORD>> keys;
    for (int i = 0; i < count; ++i) {
        EXPECT_TRUE(entries[i].fVirt & FVIRTKEY);
        EXPECT_FALSE(entries[i].fVirt & (FSHIFT | FCONTROL | FALT));
        keys.insert({entries[i].key, entries[i].cmd});
    }
    EXPECT_EQ(keys, (std::set<std::pair<WORD, WORD>>{{VK_ESCAPE, IDM_HIDE_PANEL}, {VK_F1, IDM_HELP}}));
    DestroyAcceleratorTable(table);
}

// The sizes the group-icon directory names, read from the raw resource.
std::set<int> IconSizesInGroup(int id) {
    std::set<int> sizes;
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(14));
    if (!found) return sizes;
    const BYTE* data = static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
    const DWORD size = SizeofResource(module, found);
    if (size < 6) return sizes;
    const WORD count = *reinterpret_cast<const WORD*>(data + 4);
    const DWORD entrySize = 14;
    for (WORD i = 0; i < count && 6 + (i + 1) * entrySize <= size; ++i) {
        const int width = data[6 + i * entrySize];
        sizes.insert(width == 0 ? 256 : width);
    }
    return sizes;
}

TEST(ProgramIcon, CarriesSmallLargeAndExtraLargeImagesThatAreNotBlank) {
    EXPECT_EQ(IconSizesInGroup(IDI_PROGRAM), (std::set<int>{16, 32, 48}));
    for (int size : {16, 32, 48}) {
        SCOPED_TRACE(size);
        HICON icon = static_cast<HICON>(
            LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_PROGRAM), IMAGE_ICON, size, size, 0));
        ASSERT_NE(icon, nullptr);
        HDC screen = GetDC(nullptr);
        HDC dc = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, size, size);
        HGDIOBJ old = SelectObject(dc, bitmap);
        RECT all{0, 0, size, size};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
        std::set<COLORREF> colours;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) colours.insert(GetPixel(dc, x, y));
        EXPECT_GT(colours.size(), 2u) << "the icon draws as a blank square";
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
        ReleaseDC(nullptr, screen);
        DestroyIcon(icon);
    }
}

struct MenuItem {
    UINT id;
    std::wstring text;
};

std::vector<MenuItem> FirstSubmenuItems(int menuId) {
    std::vector<MenuItem> items;
    HMENU menu = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(menuId));
    if (!menu) return items;
    HMENU popup = GetSubMenu(menu, 0);
    for (int i = 0; popup && i < GetMenuItemCount(popup); ++i) {
        wchar_t text[128] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_STRING | MIIM_FTYPE;
        info.dwTypeData = text;
        info.cch = 128;
        GetMenuItemInfoW(popup, i, TRUE, &info);
        if (!(info.fType & MFT_SEPARATOR)) items.push_back({info.wID, text});
    }
    DestroyMenu(menu);
    return items;
}

std::vector<UINT> IdsOf(const std::vector<MenuItem>& items) {
    std::vector<UINT> ids;
    for (const MenuItem& item : items) ids.push_back(item.id);
    return ids;
}

TEST(PopupMenus, EnglishEntriesCarryTheirCommandsAndGermanHasTheSameCommandsInOrder) {
    const std::vector<MenuItem> english = FirstSubmenuItems(IDM_POPUP_EN);
    const std::vector<MenuItem> expected = {
        {IDM_SHOW_PANEL, L"&Lumistrand 7.2\tC"},       {IDM_SETTINGS, L"&Settings...\tS"},
        {IDM_ENTRY, L"&Entry...\tE"},                  {IDM_TURN_OFF_MONITORS, L"Turn &off monitors\tO"},
        {IDM_RESCAN, L"&Rescan monitors\tR"},          {IDM_VCP_CODES, L"&VCP-codes\tV"},
        {IDM_CHECK_UPDATE, L"Check for &Update\tU"},   {IDM_HELP, L"&Help\tH"},
        {IDM_UNINSTALL, L"Uninstall &program\tP"},     {IDM_EXIT, L"Ter&minate program\tM"},
    };
    ASSERT_EQ(english.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(english[i].id, expected[i].id);
        EXPECT_EQ(english[i].text, expected[i].text);
    }
    EXPECT_EQ(IdsOf(FirstSubmenuItems(IDM_POPUP_DE)), IdsOf(english));
}

TEST(PopupMenus, ListMenusStartWithThePlaceholderAndKeepTheirUmlauts) {
    const std::vector<MenuItem> english = FirstSubmenuItems(IDM_LIST_EN);
    const std::vector<MenuItem> german = FirstSubmenuItems(IDM_LIST_DE);
    ASSERT_EQ(english.size(), 4u);
    EXPECT_EQ(english[0].text, L"modifydummy");
    EXPECT_EQ(english[1].text, L"Dim monitor after certain period of inactivity...");
    EXPECT_EQ(english[2].text, L"Ignore device (e.g. AV-receiver) saves 100 ms");
    EXPECT_EQ(IdsOf(german), (std::vector<UINT>{IDM_LIST_MONITOR_NAME, IDM_DIM_MONITOR, IDM_IGNORE_MONITOR, IDM_VCP_CODES}));
    ASSERT_EQ(german.size(), 4u);
    EXPECT_EQ(german[2].text, L"Ger\u00e4t ignorieren (z.B. AV-Receiver) spart 100 ms");
}

// The embedded manifest is what makes the loader take version 6 of the common controls
// (Wine's copy of it reports 5.81 from DllGetVersion, so ask the activation context instead).
TEST(Manifest, RedirectsTheCommonControlsAndDeclaresPerMonitorAwareness) {
    ACTCTX_SECTION_KEYED_DATA redirection{};
    redirection.cbSize = sizeof redirection;
    EXPECT_TRUE(FindActCtxSectionStringW(0, nullptr, ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION, L"comctl32.dll",
                                         &redirection));

    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_NE(found, nullptr);
    const std::string text(static_cast<const char*>(LockResource(LoadResource(module, found))), SizeofResource(module, found));
    EXPECT_NE(text.find(">True/PM</dpiAware>"), std::string::npos);
    EXPECT_NE(text.find("level=\"asInvoker\""), std::string::npos);
}

}  // namespace
