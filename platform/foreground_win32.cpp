#include <windows.h>

#include "platform/foreground.h"

namespace {

std::wstring ProcessImagePath(DWORD processId) {
    const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (process == nullptr) return {};
    wchar_t path[MAX_PATH] = {};
    DWORD size = MAX_PATH;
    const bool ok = QueryFullProcessImageNameW(process, 0, path, &size) != 0;
    CloseHandle(process);
    return ok ? std::wstring(path, size) : std::wstring();
}

std::wstring WindowProcessPath(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    return processId == 0 ? std::wstring() : ProcessImagePath(processId);
}

ScreenRect ToScreenRect(const RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

}  // namespace

ForegroundInfo ForegroundRead() {
    ForegroundInfo info;
    const HWND window = GetForegroundWindow();
    if (window == nullptr) return info;
    info.window = reinterpret_cast<std::uintptr_t>(window);
    info.visible = IsWindowVisible(window) != FALSE;
    info.executable = WindowProcessPath(window);
    if (const HWND core = FindWindowExW(window, nullptr, L"Windows.UI.Core.CoreWindow", nullptr)) {
        info.hostedExecutable = WindowProcessPath(core);
    }
    RECT rect{};
    if (GetWindowRect(window, &rect)) info.windowRect = ToScreenRect(rect);
    MONITORINFOEXW monitor{};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor)) {
        info.monitorRect = ToScreenRect(monitor.rcMonitor);
        info.monitorDevice = monitor.szDevice;
    }
    return info;
}
