#include "app/app_state.h"
#include "log/event_log.h"
#include "app/exit_path.h"
#include "app/forwarding.h"
#include "app/main_window_win32.h"
#include "app/restart.h"
#include "platform/main_window_handle_win32.h"
#include "platform/requests.h"

namespace {
constexpr int kSuccessorAttempts = 20;
constexpr DWORD kSuccessorPauseMs = 100;
constexpr int kHookStopPolls = 100;
constexpr DWORD kHookStopPollMs = 50;
constexpr std::uint32_t kNoDevice = static_cast<std::uint32_t>(-1);
}  // namespace

void RestartProgram() {
    HWND window = MainWindowHandle();
    g_app.hiddenRestart = window == nullptr || !IsWindowVisible(window);
    HideControlPanel();
    g_app.restartRequested = true;
    if (window != nullptr) PostMessageW(window, WM_COMMAND, kCommandExit, kExitRestart);
}

void RequestRestart() { RestartProgram(); }

bool RestartIsPending() { return g_app.restartRequested; }

void RequestQuietExit() {
    g_app.quietExit = true;
    HWND window = MainWindowHandle();
    if (window != nullptr) PostMessageW(window, WM_COMMAND, kCommandExit, kExitRestart);
}

void CloseInstanceMutex() {
    if (g_app.instanceMutex == 0) return;
    CloseHandle(reinterpret_cast<HANDLE>(g_app.instanceMutex));
    g_app.instanceMutex = 0;
}

void StopHookThread() {
    if (g_app.hookThreadId == 0) return;
    PostThreadMessageW(g_app.hookThreadId, WM_COMMAND, kCommandExit, 0);
    for (int poll = 0; poll < kHookStopPolls && g_app.hookThreadId != 0; ++poll) Sleep(kHookStopPollMs);
}

bool StartSuccessor() {
    wchar_t path[MAX_PATH * 2] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH * 2);
    if (length == 0 || length >= MAX_PATH * 2) return false;
    for (int attempt = 0; attempt < kSuccessorAttempts; ++attempt) {
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION process{};
        const bool started = CreateProcessW(path, nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                                            &process) != 0;
        LogEvent(kNoDevice, -1, L"CreateProcess", started ? 1 : 0, L"Restart Lumistrand\r\n");
        if (started) {
            CloseHandle(process.hThread);
            CloseHandle(process.hProcess);
            return true;
        }
        Sleep(kSuccessorPauseMs);
    }
    return false;
}
