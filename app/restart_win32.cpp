#include "app/exit_path.h"
#include "app/forwarding.h"
#include "app/main_window_win32.h"
#include "app/restart.h"
#include "app/startup_steps.h"
#include "hooks/hook_thread.h"
#include "log/event_log.h"
#include "platform/main_window_handle_win32.h"
#include "platform/owners_win32.h"
#include "platform/requests.h"
#include "settings/settings.h"

namespace {
constexpr int kSuccessorAttempts = 20;
constexpr DWORD kSuccessorPauseMs = 100;
constexpr int kHookStopPolls = 100;
constexpr DWORD kHookStopPollMs = 50;
constexpr std::uint32_t kNoDevice = static_cast<std::uint32_t>(-1);
UniqueHandle g_instanceMutex;
}  // namespace

void RestartProgram() {
    HWND window = MainWindowHandle();
    if (!ExitRequestRestart(window == nullptr || !IsWindowVisible(window))) return;
    HideControlPanel();
    if (window != nullptr) PostMessageW(window, WM_COMMAND, kCommandExit, kExitRestart);
}

void ShowSettingsAfterRestart(bool keepClosed) {
    g_settings.showsettings = !keepClosed;
    RestartProgram();
}

void RequestRestart() { RestartProgram(); }

bool RestartIsPending() { return ExitState().restartRequested; }

void RequestQuietExit() {
    ExitRequestQuiet();
    HWND window = MainWindowHandle();
    if (window != nullptr) PostMessageW(window, WM_COMMAND, kCommandExit, kExitRestart);
}

void RequestExitWithoutSaving() {
    ExitRequestQuiet();
    HWND window = MainWindowHandle();
    if (window != nullptr) PostMessageW(window, WM_COMMAND, kCommandExit, kExitWithoutSaving);
}

void KeepInstanceMutex(HANDLE mutex) { g_instanceMutex.reset(mutex); }

void CloseInstanceMutex() { g_instanceMutex.reset(); }

void StopHookThread() {
    if (HookThreadId() == 0) return;
    // At a session's end the system drops the hooks itself; the thread leaves them alone.
    PostThreadMessageW(HookThreadId(), WM_COMMAND, kCommandExit, ExitState().sessionEnding ? 1 : 0);
    for (int poll = 0; poll < kHookStopPolls && HookThreadId() != 0; ++poll) Sleep(kHookStopPollMs);
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
            const UniqueHandle thread(process.hThread), child(process.hProcess);
            return true;
        }
        Sleep(kSuccessorPauseMs);
    }
    return false;
}
