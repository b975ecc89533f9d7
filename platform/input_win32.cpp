#include <windows.h>

#include <cwchar>

#include "platform/input.h"

namespace {

constexpr LONG kNudge = 100;

void MovePointer(LONG dx, LONG dy) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = dx;
    input.mi.dy = dy;
    input.mi.dwFlags = MOUSEEVENTF_MOVE;
    SendInput(1, &input, sizeof(input));
}

}  // namespace

bool KeyIsDown(std::int32_t virtualKey) { return (GetAsyncKeyState(virtualKey) & 0x8000) != 0; }

bool PointIsInNotificationArea(std::int32_t x, std::int32_t y) {
    HWND top = GetAncestor(WindowFromPoint(POINT{x, y}), GA_ROOT);
    wchar_t name[32] = {};
    if (top == nullptr || GetClassNameW(top, name, 32) == 0) return false;
    return std::wcscmp(name, L"Shell_TrayWnd") == 0 || std::wcscmp(name, L"NotifyIconOverflowWindow") == 0;
}

void PointerNudge() {
    int saved[3] = {};
    if (!SystemParametersInfoW(SPI_GETMOUSE, 0, saved, 0)) return;
    int flat[3] = {};
    SystemParametersInfoW(SPI_SETMOUSE, 0, flat, 0);
    POINT at{};
    GetCursorPos(&at);
    // Towards the origin where there is room, so the pointer never leaves the screen.
    const LONG dx = at.x > kNudge ? -kNudge : kNudge;
    const LONG dy = at.y > kNudge ? -kNudge : kNudge;
    MovePointer(dx, dy);
    MovePointer(-dx, -dy);
    SystemParametersInfoW(SPI_SETMOUSE, 0, saved, 0);
}

DisplayHandle DisplayUnderPointer() {
    POINT at{};
    if (!GetCursorPos(&at)) return 0;
    return reinterpret_cast<DisplayHandle>(MonitorFromPoint(at, MONITOR_DEFAULTTONEAREST));
}
