#include <windows.h>
#include <commctrl.h>
#include <richedit.h>

#include "platform/dialog_controls.h"
#include "platform/dialog_handle_win32.h"

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

void DialogSetChecked(DialogWindow window, int controlId, bool checked) {
    Send(window, controlId, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool DialogIsChecked(DialogWindow window, int controlId) {
    return Send(window, controlId, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void DialogComboClear(DialogWindow window, int controlId) { Send(window, controlId, CB_RESETCONTENT, 0, 0); }

void DialogComboAdd(DialogWindow window, int controlId, const std::wstring& text) {
    Send(window, controlId, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void DialogComboSelect(DialogWindow window, int controlId, const std::wstring& text) {
    const LRESULT index =
        Send(window, controlId, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str()));
    if (Control(window, controlId) != nullptr && index != CB_ERR) {
        Send(window, controlId, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }
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
