#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <richedit.h>

#include <cmath>

#include "platform/dialog_controls.h"
#include "platform/dialog_handle_win32.h"
#include "platform/optional_api.h"

namespace {

// Null when the window or the control does not exist; every caller then does nothing.
HWND Control(DialogWindow window, int controlId) {
    const HWND dialog = DialogHandle(window);
    return dialog == nullptr ? nullptr : GetDlgItem(dialog, controlId);
}

LRESULT Send(DialogWindow window, int controlId, UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND control = Control(window, controlId);
    return control == nullptr ? 0 : SendMessageW(control, message, wParam, lParam);
}

// List boxes answer the drop-down calls with their own messages.
struct ListMessages {
    UINT reset, add, findExact, setSelection, getSelection, textLength, text;
};
constexpr ListMessages kComboMessages{CB_RESETCONTENT, CB_ADDSTRING,    CB_FINDSTRINGEXACT, CB_SETCURSEL,
                                      CB_GETCURSEL,    CB_GETLBTEXTLEN, CB_GETLBTEXT};
constexpr ListMessages kListBoxMessages{LB_RESETCONTENT, LB_ADDSTRING,  LB_FINDSTRINGEXACT, LB_SETCURSEL,
                                        LB_GETCURSEL,    LB_GETTEXTLEN, LB_GETTEXT};

const ListMessages& ListMessagesOf(DialogWindow window, int controlId) {
    wchar_t name[16] = {};
    const HWND control = Control(window, controlId);
    if (control != nullptr) GetClassNameW(control, name, 16);
    return CompareStringOrdinal(name, -1, L"ListBox", -1, TRUE) == CSTR_EQUAL ? kListBoxMessages : kComboMessages;
}

// Rich edit measures tab stops in twips; dialog units depend on the dialog's font.
LONG DialogUnitsToTwips(HWND control, int units) {
    RECT box{0, 0, units, 0};
    MapDialogRect(GetParent(control), &box);
    HDC dc = GetDC(control);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSX);
    ReleaseDC(control, dc);
    return MulDiv(box.right, 1440, dpi > 0 ? dpi : 96);
}

}  // namespace

void DialogSetSlider(DialogWindow window, int controlId, std::int32_t position) {
    Send(window, controlId, TBM_SETPOS, TRUE, position);
}

void DialogSetText(DialogWindow window, int controlId, const std::wstring& text) {
    if (const HWND control = Control(window, controlId)) SetWindowTextW(control, text.c_str());
}

std::wstring DialogText(DialogWindow window, int controlId) {
    const HWND control = Control(window, controlId);
    if (control == nullptr) return {};
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

void DialogSetVisible(DialogWindow window, int controlId, bool visible) {
    if (const HWND control = Control(window, controlId)) ShowWindow(control, visible ? SW_SHOW : SW_HIDE);
}

void DialogSetEnabled(DialogWindow window, int controlId, bool enabled) {
    if (const HWND control = Control(window, controlId)) EnableWindow(control, enabled ? TRUE : FALSE);
}

void DialogSetCaption(DialogWindow window, const std::wstring& caption) {
    if (const HWND dialog = DialogHandle(window)) SetWindowTextW(dialog, caption.c_str());
}

void DialogSetChecked(DialogWindow window, int controlId, bool checked) {
    Send(window, controlId, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool DialogIsChecked(DialogWindow window, int controlId) {
    return Send(window, controlId, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void DialogComboClear(DialogWindow window, int controlId) {
    Send(window, controlId, ListMessagesOf(window, controlId).reset, 0, 0);
}

void DialogComboAdd(DialogWindow window, int controlId, const std::wstring& text) {
    Send(window, controlId, ListMessagesOf(window, controlId).add, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void DialogComboSelect(DialogWindow window, int controlId, const std::wstring& text) {
    const ListMessages& messages = ListMessagesOf(window, controlId);
    const LRESULT index = Send(window, controlId, messages.findExact, static_cast<WPARAM>(-1),
                               reinterpret_cast<LPARAM>(text.c_str()));
    if (Control(window, controlId) != nullptr && index != CB_ERR) {
        Send(window, controlId, messages.setSelection, static_cast<WPARAM>(index), 0);
    }
}

std::wstring DialogComboSelected(DialogWindow window, int controlId) {
    const ListMessages& messages = ListMessagesOf(window, controlId);
    const LRESULT index = Send(window, controlId, messages.getSelection, 0, 0);
    if (Control(window, controlId) == nullptr || index == CB_ERR) return {};
    std::wstring text(static_cast<std::size_t>(Send(window, controlId, messages.textLength, index, 0)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        Send(window, controlId, messages.text, index, reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

void DialogSetHotkey(DialogWindow window, int controlId, std::int32_t value) {
    Send(window, controlId, HKM_SETHOTKEY, static_cast<WPARAM>(value & 0xFFFF), 0);
}

std::int32_t DialogHotkey(DialogWindow window, int controlId) {
    return static_cast<std::int32_t>(Send(window, controlId, HKM_GETHOTKEY, 0, 0) & 0xFFFF);
}

void DialogSetTime(DialogWindow window, int controlId, std::uint16_t hour, std::uint16_t minute) {
    SYSTEMTIME time{};
    GetLocalTime(&time);
    time.wHour = hour;
    time.wMinute = minute;
    time.wSecond = 0;
    time.wMilliseconds = 0;
    Send(window, controlId, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
}

void DialogTime(DialogWindow window, int controlId, std::uint16_t& hour, std::uint16_t& minute) {
    SYSTEMTIME time{};
    if (Send(window, controlId, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time)) != GDT_VALID) return;
    hour = time.wHour;
    minute = time.wMinute;
}

void DialogSetTabStops(DialogWindow window, int controlId, std::span<const int> dialogUnits) {
    const HWND control = Control(window, controlId);
    if (control == nullptr) return;
    PARAFORMAT format{};
    format.cbSize = sizeof format;
    format.dwMask = PFM_TABSTOPS;
    for (const int units : dialogUnits) {
        if (format.cTabCount == MAX_TAB_STOPS) break;
        format.rgxTabs[format.cTabCount++] = DialogUnitsToTwips(control, units);
    }
    SendMessageW(control, EM_SETSEL, 0, -1);
    SendMessageW(control, EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format));
    SendMessageW(control, EM_SETSEL, 0, 0);
}

void DialogSetRichText(DialogWindow window, int controlId, std::span<const TextRun> runs) {
    const HWND control = Control(window, controlId);
    if (control == nullptr) return;
    SetWindowTextW(control, L"");
    for (const TextRun& run : runs) {
        SendMessageW(control, EM_SETSEL, -1, -1);
        CHARFORMATW format{};
        format.cbSize = sizeof format;
        format.dwMask = CFM_BOLD | CFM_COLOR;
        format.dwEffects = run.emphasised ? CFE_BOLD : CFE_AUTOCOLOR;
        format.crTextColor = RGB(200, 0, 0);
        SendMessageW(control, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
        SendMessageW(control, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(run.text.c_str()));
    }
    SendMessageW(control, EM_SETSEL, 0, 0);
}

bool DialogHasFocus(DialogWindow window, int controlId) {
    const HWND control = Control(window, controlId);
    return control != nullptr && GetFocus() == control;
}

bool DialogPickColour(DialogWindow window, std::uint32_t& colour) {
    static COLORREF custom[16] = {};
    CHOOSECOLORW choose{};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = DialogHandle(window);
    choose.rgbResult = colour;
    choose.lpCustColors = custom;
    choose.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!ChooseColorW(&choose)) return false;
    colour = choose.rgbResult;
    return true;
}

bool DialogPickFile(DialogWindow window, bool save, const wchar_t* extension, std::wstring& path) {
    wchar_t chosen[MAX_PATH] = {};
    path.copy(chosen, MAX_PATH - 1);
    // The filter is "*.ext", NUL, "*.ext", NUL, NUL.
    std::wstring filter = std::wstring(L"*") + extension;
    filter += L'\0' + filter + L'\0';
    OPENFILENAMEW name{};
    name.lStructSize = sizeof name;
    name.hwndOwner = DialogHandle(window);
    name.lpstrFilter = filter.c_str();
    name.lpstrFile = chosen;
    name.nMaxFile = MAX_PATH;
    name.lpstrDefExt = extension + 1;
    name.Flags = OFN_NOCHANGEDIR | (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    if (!(save ? GetSaveFileNameW(&name) : GetOpenFileNameW(&name))) return false;
    path = chosen;
    return true;
}

void DialogSetTips(DialogWindow window, std::span<const ControlTip> tips) {
    constexpr int kTipWidth = 800;
    const HWND dialog = DialogHandle(window);
    if (dialog == nullptr) return;
    const HWND tip =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_BALLOON | TTS_NOPREFIX,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, dialog, nullptr, nullptr, nullptr);
    if (tip == nullptr) return;
    SendMessageW(tip, TTM_SETMAXTIPWIDTH, 0, kTipWidth);
    for (const ControlTip& text : tips) {
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = dialog;
        tool.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(dialog, text.controlId));
        tool.lpszText = const_cast<wchar_t*>(text.text.c_str());
        if (tool.uId != 0) SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void DialogListSetColumns(DialogWindow window, int controlId, std::span<const ListColumn> columns) {
    const HWND list = Control(window, controlId);
    if (list == nullptr) return;
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    if (const auto setTheme = OptionalSetWindowTheme()) setTheme(list, L"Explorer", nullptr);
    RECT client;
    GetClientRect(list, &client);
    int index = 0;
    for (const ListColumn& column : columns) {
        LVCOLUMNW item{};
        item.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH;
        item.fmt = column.centred ? LVCFMT_CENTER : LVCFMT_LEFT;
        item.cx = static_cast<int>(std::lround(client.right / column.widthDivisor));
        item.pszText = const_cast<wchar_t*>(column.header.c_str());
        SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index++), reinterpret_cast<LPARAM>(&item));
    }
}

// The row's red mark rides in its item data, where the owner's custom drawing reads it.
void DialogListAppend(DialogWindow window, int controlId, std::span<const std::wstring> cells, bool red) {
    const HWND list = Control(window, controlId);
    if (list == nullptr || cells.empty()) return;
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    item.lParam = red ? 1 : 0;
    item.pszText = const_cast<wchar_t*>(cells[0].c_str());
    const auto row = SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    if (row < 0) return;
    for (std::size_t column = 1; column < cells.size(); ++column) {
        LVITEMW cell{};
        cell.iSubItem = static_cast<int>(column);
        cell.pszText = const_cast<wchar_t*>(cells[column].c_str());
        SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell));
    }
}

void DialogListFitRows(DialogWindow window, int controlId) {
    const HWND list = Control(window, controlId);
    if (list == nullptr) return;
    const HWND dialog = GetParent(list);
    const auto rows = SendMessageW(list, LVM_GETITEMCOUNT, 0, 0);
    const int needed = HIWORD(SendMessageW(list, LVM_APPROXIMATEVIEWRECT, static_cast<WPARAM>(rows), MAKELPARAM(-1, -1)));
    RECT client, listBox, box;
    GetClientRect(list, &client);
    GetWindowRect(list, &listBox);
    GetWindowRect(dialog, &box);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(dialog, MONITOR_DEFAULTTONEAREST), &monitor);
    const int grow = needed - client.bottom;
    const int height = box.bottom - box.top + grow;
    const int workHeight = monitor.rcWork.bottom - monitor.rcWork.top;
    if (grow <= 0 || height > workHeight) return;
    // Controls below the list keep their distance from the bottom.
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT childBox;
        GetWindowRect(child, &childBox);
        if (childBox.top < listBox.bottom) continue;
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&childBox), 2);
        SetWindowPos(child, nullptr, childBox.left, childBox.top + grow, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }
    SetWindowPos(list, nullptr, 0, 0, listBox.right - listBox.left, listBox.bottom - listBox.top + grow,
                 SWP_NOMOVE | SWP_NOZORDER);
    SetWindowPos(dialog, nullptr, box.left, monitor.rcWork.top + (workHeight - height) / 2, box.right - box.left, height,
                 SWP_NOZORDER);
}
