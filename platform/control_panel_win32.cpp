#include <windows.h>
#include <commctrl.h>

#include "platform/control_panel.h"
#include "platform/main_window_handle_win32.h"

namespace {

// Null when the main window or the control does not exist; every caller then does nothing.
HWND Control(int controlId) {
    const HWND window = MainWindowHandle();
    return window == nullptr ? nullptr : GetDlgItem(window, controlId);
}

}  // namespace

void ControlSetSlider(int controlId, std::int32_t position) {
    if (const HWND slider = Control(controlId)) {
        SendMessageW(slider, TBM_SETPOS, TRUE, position);
    }
}

void ControlSetText(int controlId, const std::wstring& text) {
    if (const HWND control = Control(controlId)) {
        SetWindowTextW(control, text.c_str());
    }
}

std::wstring ControlText(int controlId) {
    const HWND control = Control(controlId);
    if (control == nullptr) return {};
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

void ControlSetVisible(int controlId, bool visible) {
    if (const HWND control = Control(controlId)) {
        ShowWindow(control, visible ? SW_SHOW : SW_HIDE);
    }
}

void ControlSetChecked(int controlId, bool checked) {
    if (const HWND control = Control(controlId)) {
        SendMessageW(control, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    }
}

void ComboClear(int controlId) {
    if (const HWND combo = Control(controlId)) {
        SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    }
}

void ComboAdd(int controlId, const std::wstring& text) {
    if (const HWND combo = Control(controlId)) {
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
}

void ComboSelect(int controlId, const std::wstring& text) {
    const HWND combo = Control(controlId);
    if (combo == nullptr) {
        return;
    }
    const LRESULT index = SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(text.c_str()));
    if (index != CB_ERR) {
        SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }
}

bool ControlPanelIsVisible() {
    const HWND window = MainWindowHandle();
    return window != nullptr && IsWindowVisible(window);
}

void ControlPanelRedraw() {
    if (const HWND window = MainWindowHandle()) {
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
}
