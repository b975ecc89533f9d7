#include "monitors/monitor_list_win32.h"

#include <iterator>
#include <string>

#include "monitors/monitor_list.h"
#include "platform/main_window_handle_win32.h"
#include "platform/monitor_list_view.h"
#include "platform/optional_api.h"
#include "res/resource.h"

namespace {

struct Column {
    const wchar_t* title;
    int width;
};
constexpr Column kColumns[kMonitorListColumns] = {
    {L"Monitor", 110}, {L"Brightness", 70}, {L"Contrast", 60}, {L"R", 34}, {L"G", 34}, {L"B", 34},
};

// Set while the program itself changes items, so that the notifications these changes
// cause are not taken for clicks.
bool g_mirroring = false;

HWND ListView() {
    const HWND window = MainWindowHandle();
    return window == nullptr ? nullptr : GetDlgItem(window, IDC_MONITOR_LIST);
}

class MirrorScope {
public:
    MirrorScope() { g_mirroring = true; }
    ~MirrorScope() { g_mirroring = false; }
    MirrorScope(const MirrorScope&) = delete;
    MirrorScope& operator=(const MirrorScope&) = delete;
};

}  // namespace

void MonitorListViewSetUp(HWND list) {
    const DWORD styles = LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT;
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, styles, styles);
    if (const auto setTheme = OptionalSetWindowTheme()) setTheme(list, L"Explorer", nullptr);
    for (int i = 0; i < static_cast<int>(std::size(kColumns)); ++i) {
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.pszText = const_cast<wchar_t*>(kColumns[i].title);
        column.cx = kColumns[i].width;
        column.iSubItem = i;
        SendMessageW(list, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
    }
}

bool MonitorListViewOnItemChanged(const NMLISTVIEW& change) {
    if (g_mirroring || (change.uChanged & LVIF_STATE) == 0) {
        return false;
    }
    const UINT oldCheck = change.uOldState & LVIS_STATEIMAGEMASK;
    const UINT newCheck = change.uNewState & LVIS_STATEIMAGEMASK;
    // State image 0 is "no check box yet" while an item is being inserted.
    if (oldCheck == newCheck || oldCheck == 0 || newCheck == 0) {
        return false;
    }
    MonitorListOnUserCheck(change.iItem, newCheck == INDEXTOSTATEIMAGEMASK(2));
    return true;
}

void MonitorListViewClear() {
    if (const HWND list = ListView()) {
        MirrorScope scope;
        SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    }
}

void MonitorListViewAppend(std::int32_t row, const std::wstring& name) {
    if (const HWND list = ListView()) {
        MirrorScope scope;
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = const_cast<wchar_t*>(name.c_str());
        SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
}

void MonitorListViewSetCell(std::int32_t row, int column, const std::wstring& text) {
    if (const HWND list = ListView()) {
        MirrorScope scope;
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = const_cast<wchar_t*>(text.c_str());
        SendMessageW(list, LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
    }
}

void MonitorListViewSetChecked(std::int32_t row, bool checked) {
    if (const HWND list = ListView()) {
        MirrorScope scope;
        LVITEMW item{};
        item.stateMask = LVIS_STATEIMAGEMASK;
        item.state = INDEXTOSTATEIMAGEMASK(checked ? 2 : 1);
        SendMessageW(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
    }
}

void MonitorListViewSelect(std::int32_t row) {
    if (const HWND list = ListView()) {
        MirrorScope scope;
        LVITEMW item{};
        item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        item.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
        SendMessageW(list, LVM_ENSUREVISIBLE, row, FALSE);
    }
}
