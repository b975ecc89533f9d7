#include <windows.h>

#include <atomic>
#include <memory>

#include "hooks/handover.h"
#include "hooks/hook_thread.h"
#include "hooks/mouse_hook.h"
#include "log/event_log.h"
#include "platform/main_window_handle_win32.h"
#include "platform/requests.h"
#include "res/resource.h"
#include "settings/settings.h"

namespace {

constexpr UINT kNewTables = WM_APP + 1;
constexpr int kInstallWaits = 10;
constexpr DWORD kInstallRetryMs = 6000;
constexpr DWORDLONG kLargeMemory = 6ull << 30;

std::atomic<DWORD> g_threadId = 0;
// Hook thread only: the procedures read it, a kNewTables message replaces it.
std::unique_ptr<HookConfig> g_config;
// Hook thread only: the stop request came as the session ends (lParam 1); the hooks stay.
bool g_sessionEnding = false;

// The control panel is the main window. Hiding it is left to the main thread.
HWND PanelToHide() {
    HWND panel = MainWindowHandle();
    return panel != nullptr && IsWindowVisible(panel) && !PopupMenuIsOpen() ? panel : nullptr;
}

HWND TopLevelAt(POINT point) { return GetAncestor(WindowFromPoint(point), GA_ROOT); }

// Escape with the pointer over the control panel hides it; the key is not used up.
void EscapeOverPanel() {
    POINT pointer{};
    HWND panel = PanelToHide();
    if (panel != nullptr && GetCursorPos(&pointer) && TopLevelAt(pointer) == panel) {
        PostMessageW(panel, WM_COMMAND, kCommandHidePanel, 0);
    }
}

// A click into another program's window hides the control panel (autocloseflag).
void ClickElsewhere(POINT point) {
    HWND panel = PanelToHide();
    DWORD owner = 0;
    if (panel == nullptr || GetWindowThreadProcessId(TopLevelAt(point), &owner) == 0) return;
    if (owner != GetCurrentProcessId()) PostMessageW(panel, WM_COMMAND, kCommandHidePanel, 0);
}

LRESULT Verdict(const HookVerdict& verdict, int code, WPARAM wParam, LPARAM lParam) {
    if (!verdict.line.empty()) SubmitHookCommand(verdict.line);
    return verdict.swallow ? 1 : CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK KeyboardProc(int code, WPARAM wParam, LPARAM lParam) {
    const bool down = wParam == WM_KEYDOWN || wParam == WM_SYSKEYDOWN;
    const bool up = wParam == WM_KEYUP || wParam == WM_SYSKEYUP;
    if (code < 0 || !(down || up)) return CallNextHookEx(nullptr, code, wParam, lParam);
    const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    if (down && key->vkCode == VK_ESCAPE) EscapeOverPanel();
    return Verdict(OnKeyEvent(*g_config, {static_cast<std::int32_t>(key->vkCode), down}, GetTickCount()), code,
                   wParam, lParam);
}

MouseEventKind MouseKind(WPARAM message) {
    switch (message) {
        case WM_MOUSEMOVE: return MouseEventKind::Move;
        case WM_LBUTTONDOWN: return MouseEventKind::LeftDown;
        case WM_MOUSEWHEEL: return MouseEventKind::Wheel;
        case WM_MBUTTONDOWN: return MouseEventKind::MiddleDown;
        default: return MouseEventKind::Other;
    }
}

LRESULT CALLBACK MouseProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code < 0) return CallNextHookEx(nullptr, code, wParam, lParam);
    const auto* mouse = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
    if (wParam == WM_LBUTTONDOWN && g_config->autoClose) ClickElsewhere(mouse->pt);
    const MouseEvent event{MouseKind(wParam), mouse->pt.x, mouse->pt.y,
                           static_cast<std::int16_t>(HIWORD(mouse->mouseData))};
    return Verdict(OnMouseEvent(*g_config, event, GetTickCount()), code, wParam, lParam);
}

bool IsStop(const MSG& message) {
    return message.hwnd == nullptr && message.message == WM_COMMAND && LOWORD(message.wParam) == kCommandExit;
}

// Thread messages other than the stop request; true on the stop request.
bool Handle(const MSG& message) {
    if (IsStop(message)) {
        g_sessionEnding = message.lParam != 0;
        return true;
    }
    if (message.hwnd == nullptr && message.message == kNewTables) {
        g_config.reset(reinterpret_cast<HookConfig*>(message.lParam));
    }
    DispatchMessageW(&message);
    return false;
}

// Waits for the next try; true when the stop request came meanwhile.
bool StopDuringWait(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    for (DWORD waited = 0; waited < milliseconds; waited = GetTickCount() - start) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - waited, QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (Handle(message)) return true;
        }
    }
    return false;
}

// The event log belongs to the main thread, so a refusal is logged there.
void Install(HHOOK& hook, int type, HOOKPROC procedure) {
    if (hook != nullptr) return;
    hook = SetWindowsHookExW(type, procedure, GetModuleHandleW(nullptr), 0);
    if (hook == nullptr) {
        PostMessageW(MainWindowHandle(), WM_COMMAND, MAKEWPARAM(kCommandHookRefused, type), GetLastError());
    }
}

void Uninstall(HHOOK hook) {
    if (hook != nullptr) UnhookWindowsHookEx(hook);
}

DWORD WINAPI HookThread(LPVOID tables) {
    g_config.reset(static_cast<HookConfig*>(tables));
    MSG message;
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);
    const bool wantMouse = g_config->mouseHook, wantKeyboard = g_config->keyboardHook;
    HHOOK mouse = nullptr, keyboard = nullptr;
    bool stop = false;
    for (int wait = 0;; ++wait) {
        if (wantMouse) Install(mouse, WH_MOUSE_LL, MouseProc);
        if (wantKeyboard) Install(keyboard, WH_KEYBOARD_LL, KeyboardProc);
        if ((!wantMouse || mouse != nullptr) && (!wantKeyboard || keyboard != nullptr)) break;
        stop = wait == kInstallWaits || StopDuringWait(kInstallRetryMs);
        if (stop) break;
    }
    while (!stop && GetMessageW(&message, nullptr, 0, 0) > 0) stop = Handle(message);
    if (!g_sessionEnding) {
        Uninstall(mouse);
        Uninstall(keyboard);
    }
    g_config.reset();
    g_threadId = 0;
    return 0;
}

}  // namespace

void StartHookThread() {
    MEMORYSTATUSEX memory{};
    memory.dwLength = sizeof(memory);
    SetHookLargeMemory(GlobalMemoryStatusEx(&memory) && memory.ullTotalPhys >= kLargeMemory);
    auto tables = std::make_unique<HookConfig>(LoadHookConfig(g_settings));
    DWORD id = 0;
    HANDLE thread = CreateThread(nullptr, 0, HookThread, tables.get(), CREATE_SUSPENDED, &id);
    if (thread == nullptr) {
        LogFailureCause(false, L"CreateThread", L"HookThread", GetLastError());
        return;
    }
    tables.release();
    g_threadId = id;
    ResumeThread(thread);
    CloseHandle(thread);
}

std::uint32_t HookThreadId() { return g_threadId; }

void ReloadHookTables() {
    const DWORD id = g_threadId;
    if (id == 0) return;
    auto tables = std::make_unique<HookConfig>(LoadHookConfig(g_settings));
    if (PostThreadMessageW(id, kNewTables, 0, reinterpret_cast<LPARAM>(tables.get()))) tables.release();
}
