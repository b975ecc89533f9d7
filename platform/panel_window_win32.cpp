#include <windows.h>

#include <vector>

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

struct TemplatePlace {
    HWND control;
    RECT rect;  // client coordinates in the template's layout
};

// Taken once, before the first cut, so every cut starts from the template.
std::vector<TemplatePlace> g_templatePlaces;
SIZE g_templateSize{};

BOOL CALLBACK RememberPlace(HWND control, LPARAM parent) {
    if (GetParent(control) != reinterpret_cast<HWND>(parent)) return TRUE;
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, reinterpret_cast<HWND>(parent), reinterpret_cast<POINT*>(&rect), 2);
    g_templatePlaces.push_back({control, rect});
    return TRUE;
}

void RememberTemplate(HWND window) {
    if (!g_templatePlaces.empty()) return;
    RECT frame{};
    GetWindowRect(window, &frame);
    g_templateSize = {frame.right - frame.left, frame.bottom - frame.top};
    EnumChildWindows(window, RememberPlace, reinterpret_cast<LPARAM>(window));
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

void PanelApplyLayout(const PanelLayout& layout) {
    const HWND window = MainWindowHandle();
    if (window == nullptr) return;
    RememberTemplate(window);
    RECT shift{layout.shiftFrom, 0, layout.shiftFrom + layout.shift, 0};
    MapDialogRect(window, &shift);
    for (const TemplatePlace& place : g_templatePlaces) {
        RECT rect = place.rect;
        if (rect.left >= shift.left) OffsetRect(&rect, shift.left - shift.right, 0);
        for (const PanelPlace& placed : layout.places) {
            if (placed.control != GetDlgCtrlID(place.control)) continue;
            rect = {placed.left, placed.top, placed.left + placed.width, placed.top + placed.height};
            MapDialogRect(window, &rect);
        }
        SetWindowPos(place.control, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    RECT width{0, 0, layout.width, 0};
    MapDialogRect(window, &width);
    SetWindowPos(window, nullptr, 0, 0, width.right, g_templateSize.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(window, nullptr, TRUE);
}

void PanelShowInFront() {
    const HWND window = MainWindowHandle();
    if (window == nullptr) return;
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    SetFocus(GetDlgItem(window, IDC_MONITOR_LIST));
}
