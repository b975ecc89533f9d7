#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "monitors/monitor_list.h"
#include "monitors/monitor_list_win32.h"
#include "platform/main_window.h"

namespace {

int g_userChecks = 0;

LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NOTIFY) {
        const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->idFrom == 1001 && header->code == LVN_ITEMCHANGED &&
            MonitorListViewOnItemChanged(*reinterpret_cast<const NMLISTVIEW*>(lParam))) {
            ++g_userChecks;
        }
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

std::wstring CellText(HWND list, int row, int column) {
    wchar_t text[64] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = 64;
    SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
    return text;
}

bool Checked(HWND list, int row) {
    const UINT state = static_cast<UINT>(SendMessageW(list, LVM_GETITEMSTATE, row, LVIS_STATEIMAGEMASK));
    return (state & LVIS_STATEIMAGEMASK) == INDEXTOSTATEIMAGEMASK(2);
}

void SetCheckedAsTheUser(HWND list, int row, bool checked) {
    LVITEMW item{};
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.state = INDEXTOSTATEIMAGEMASK(checked ? 2 : 1);
    SendMessageW(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
}

TEST(MonitorListView, MirrorsTheRowsAndReportsOnlyTheUsersTicks) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
    ASSERT_TRUE(InitCommonControlsEx(&controls));
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = ParentProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"MonitorListViewTestParent";
    RegisterClassW(&windowClass);
    const HWND parent = CreateWindowExW(0, windowClass.lpszClassName, L"", WS_OVERLAPPEDWINDOW, 0, 0, 400, 200,
                                        nullptr, nullptr, windowClass.hInstance, nullptr);
    ASSERT_NE(parent, nullptr);
    const HWND list = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL, 0, 0,
                                      400, 200, parent, reinterpret_cast<HMENU>(1001), windowClass.hInstance, nullptr);
    ASSERT_NE(list, nullptr);
    MainWindowAttach(reinterpret_cast<std::uintptr_t>(parent));
    MonitorListViewSetUp(list);

    MonitorListClear();
    MonitorListAppend(L"Dell");
    MonitorListAppend(L"BenQ");
    MonitorListSetCell(0, kColumnBrightness, L"75");
    MonitorListSetCell(1, kColumnBlue, L"128");
    MonitorListSetChecked(0, true);
    MonitorListSetChecked(1, false);
    MonitorListSelect(1);

    EXPECT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 2);
    const HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    EXPECT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), kMonitorListColumns);
    EXPECT_EQ(CellText(list, 0, kColumnName), L"Dell");
    EXPECT_EQ(CellText(list, 0, kColumnBrightness), L"75");
    EXPECT_EQ(CellText(list, 1, kColumnBlue), L"128");
    EXPECT_TRUE(Checked(list, 0));
    EXPECT_FALSE(Checked(list, 1));
    EXPECT_EQ(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 1);
    EXPECT_EQ(g_userChecks, 0);

    SetCheckedAsTheUser(list, 1, true);
    EXPECT_EQ(g_userChecks, 1);
    EXPECT_TRUE(MonitorListIsChecked(1));
    SetCheckedAsTheUser(list, 0, false);
    EXPECT_FALSE(MonitorListIsChecked(0));

    MonitorListClear();
    EXPECT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 0);
    MainWindowDetach();
    DestroyWindow(parent);
}

}  // namespace
