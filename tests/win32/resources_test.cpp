// The resources linked into the exe, read back through the same calls the program makes.
#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "res/resource.h"

namespace {

TEST(Accelerators, EscHidesThePanelAndF1OpensHelp) {
    HACCEL table = LoadAcceleratorsW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDA_MAIN));
    ASSERT_NE(table, nullptr);
    ACCEL entries[8] = {};
    const int count = CopyAcceleratorTableW(table, entries, 8);
    std::set<std::pair<WORD, WORD>> keys;
    for (int i = 0; i < count; ++i) {
        EXPECT_EQ(entries[i].fVirt & (FVIRTKEY | FSHIFT | FCONTROL | FALT), FVIRTKEY);
        keys.insert({entries[i].key, entries[i].cmd});
    }
    EXPECT_EQ(keys, (std::set<std::pair<WORD, WORD>>{{VK_ESCAPE, IDM_HIDE_PANEL}, {VK_F1, IDM_HELP}}));
    DestroyAcceleratorTable(table);
}

TEST(ProgramIcon, CarriesSmallLargeAndExtraLargeImagesThatAreNotBlank) {
    // The sizes the group-icon directory names: 14-byte entries after a 6-byte header.
    const HMODULE module = GetModuleHandleW(nullptr);
    const HRSRC group = FindResourceW(module, MAKEINTRESOURCEW(IDI_PROGRAM), MAKEINTRESOURCEW(14));
    ASSERT_NE(group, nullptr);
    const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(module, group)));
    std::set<int> sizes;
    for (WORD i = 0; i < *reinterpret_cast<const WORD*>(data + 4) && 20u + i * 14 <= SizeofResource(module, group); ++i) {
        sizes.insert(data[6 + i * 14] == 0 ? 256 : data[6 + i * 14]);
    }
    EXPECT_EQ(sizes, (std::set<int>{16, 32, 48}));
    for (int size : {16, 32, 48}) {
        const auto icon = static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(IDI_PROGRAM), IMAGE_ICON, size, size, 0));
        ASSERT_NE(icon, nullptr) << size;
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
        EXPECT_GT(colours.size(), 2u) << size << ": the icon draws as a blank square";
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
        ReleaseDC(nullptr, screen);
        DestroyIcon(icon);
    }
}

// Ids and texts of the items of a menu's first popup, separators left out.
std::vector<std::pair<UINT, std::wstring>> FirstSubmenuItems(int menuId) {
    std::vector<std::pair<UINT, std::wstring>> items;
    HMENU menu = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(menuId));
    HMENU popup = menu ? GetSubMenu(menu, 0) : nullptr;
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
    if (menu) DestroyMenu(menu);
    return items;
}

std::vector<UINT> IdsOf(int menuId) {
    std::vector<UINT> ids;
    for (const auto& item : FirstSubmenuItems(menuId)) ids.push_back(item.first);
    return ids;
}

// German menus carry the English ones' commands in the same order; umlauts survive the
// resource compiler.
TEST(PopupMenus, BothLanguagesCarryTheSameCommands) {
    const std::vector<UINT> popup = {IDM_SHOW_PANEL,   IDM_SETTINGS,  IDM_ENTRY, IDM_TURN_OFF_MONITORS, IDM_RESCAN,
                                     IDM_VCP_CODES,    IDM_CHECK_UPDATE, IDM_HELP, IDM_UNINSTALL,      IDM_EXIT};
    EXPECT_EQ(IdsOf(IDM_POPUP_EN), popup);
    EXPECT_EQ(IdsOf(IDM_POPUP_DE), popup);
    const std::vector<UINT> list = {IDM_LIST_MONITOR_NAME, IDM_DIM_MONITOR, IDM_IGNORE_MONITOR, IDM_VCP_CODES};
    EXPECT_EQ(IdsOf(IDM_LIST_EN), list);
    EXPECT_EQ(IdsOf(IDM_LIST_DE), list);
    EXPECT_EQ(FirstSubmenuItems(IDM_LIST_DE)[2].second, L"Ger\u00e4t ignorieren (z.B. AV-Receiver) spart 100 ms");
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
