#include <windows.h>

#include "platform/main_window_handle_win32.h"
#include "platform/panel_window.h"
#include "res/resource.h"

namespace {

// Windows 7 and later; Wine lacks it.
using CalculatePopupWindowPositionFn = BOOL(WINAPI*)(const POINT*, const SIZE*, UINT, RECT*, RECT*);

CalculatePopupWindowPositionFn PopupPositionFunction() {
    static const auto function = reinterpret_cast<CalculatePopupWindowPositionFn>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "CalculatePopupWindowPosition")));
    return function;
}

}  // namespace

ScreenRect PanelWindowRect() {
    RECT rect{};
    const HWND window = MainWindowHandle();
    if (window == nullptr || !GetWindowRect(window, &rect)) return {};
    return {rect.left, rect.top, rect.right, rect.bottom};
}

ScreenRect PanelDesktopRect() {
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN), top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

ScreenRect PanelWorkAreaAt(std::int32_t x, std::int32_t y) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (!GetMonitorInfoW(MonitorFromPoint(POINT{x, y}, MONITOR_DEFAULTTONEAREST), &info)) return PanelDesktopRect();
    return {info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom};
}

bool PanelMoveNextTo(std::int32_t anchorX, std::int32_t anchorY, const ScreenRect& exclude) {
    const HWND window = MainWindowHandle();
    const CalculatePopupWindowPositionFn calculate = PopupPositionFunction();
    if (window == nullptr || calculate == nullptr) return false;
    const ScreenRect panel = PanelWindowRect();
    const POINT anchor{anchorX, anchorY};
    const SIZE size{panel.right - panel.left, panel.bottom - panel.top};
    RECT excluded{exclude.left, exclude.top, exclude.right, exclude.bottom};
    RECT placed{};
    if (!calculate(&anchor, &size, TPM_CENTERALIGN | TPM_VCENTERALIGN | TPM_VERTICAL | TPM_WORKAREA, &excluded, &placed))
        return false;
    return SetWindowPos(window, HWND_TOPMOST, placed.left, placed.top, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE) != FALSE;
}

void PanelMoveTo(std::int32_t x, std::int32_t y) {
    if (const HWND window = MainWindowHandle()) SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void PanelShowInFront() {
    const HWND window = MainWindowHandle();
    if (window == nullptr) return;
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    SetFocus(GetDlgItem(window, IDC_MONITOR_LIST));
}
