#include <windows.h>
#include <shlwapi.h>

#include "app/app_state.h"
#include "app/event_log.h"
#include "app/exit_path.h"
#include "app/forwarding.h"
#include "app/main_timers.h"
#include "app/main_window_win32.h"
#include "app/restart.h"
#include "app/submit.h"
#include "platform/main_window.h"

namespace {

constexpr std::uint32_t kNoDevice = static_cast<std::uint32_t>(-1);
constexpr std::uint32_t kCommandHidePanel = 40075;
const wchar_t kExitQuestionValue[] = L"{D353CF42-628D-401F-B6B0-478DAB0F424C}";

LRESULT OnCopyData(const COPYDATASTRUCT* data) {
    if (data == nullptr) return FALSE;
    ForwardedLine line;
    if (!ReadForwardedBlock(data->dwData, data->cbData, data->lpData, line)) return FALSE;
    SetPendingLine(line.text);
    MainWindowPostCommand(kCommandRunLine, static_cast<std::intptr_t>(line.origin));
    return TRUE;
}

bool ConfirmExit(HWND window) {
    if (g_app.exitConfirmationShowing) return false;
    g_app.exitConfirmationShowing = true;
    const wchar_t* text = UiIsGerman() ? L"Wollen Sie Lumistrand wirklich beenden ?"
                                       : L"Do you really want to terminate Lumistrand ?";
    const int answer = SHMessageBoxCheckW(window, text, L"Lumistrand 7.2", MB_OKCANCEL | MB_ICONQUESTION, IDOK,
                                          kExitQuestionValue);
    g_app.exitConfirmationShowing = false;
    return answer == IDOK;
}

void OnExitCommand(HWND window, std::intptr_t kind) {
    const bool panelWasVisible = IsWindowVisible(window) != 0;
    if (kind != kExitConfigurationCheck) HideControlPanel();
    if (ExitNeedsConfirmation(kind) && !ConfirmExit(window)) return;
    if (!FinishExit(kind, panelWasVisible)) return;
    if (g_app.hookThreadId != 0) PostThreadMessageW(g_app.hookThreadId, WM_COMMAND, kCommandExit, 0);
    CloseInstanceMutex();
    g_app.mainWindow = 0;
    DestroyWindow(window);
}

void OnRunLine(std::intptr_t lParam) {
    const auto origin = static_cast<std::uint32_t>(lParam);
    const RunLineResult result = RunPendingLine(origin, g_app.mainThreadId);
    if (result.restart) RestartProgram();
    if (result.reply) PostThreadMessageW(origin, WM_COMMAND, static_cast<WPARAM>(result.exitCode), kReplyMarker);
}

void OnTimer(HWND window, UINT_PTR id) {
    const auto timer = static_cast<std::uint32_t>(id);
    if (TimerStopsWhenFired(timer)) KillTimer(window, id);
    const TimerWork work = DelayedSystemWork(timer);
    if (work.action == TimerAction::None) return;
    LogEvent(kNoDevice, -1, work.logText, kLogNoOutcome, nullptr);
    if (work.action == TimerAction::Restart) RestartProgram();
    if (work.action == TimerAction::ConfigurationCheck) PostMessageW(window, WM_COMMAND, kCommandExit, kExitConfigurationCheck);
}

bool OnCommand(HWND window, WPARAM wParam, LPARAM lParam) {
    switch (LOWORD(wParam)) {
        case kCommandRunLine:
            OnRunLine(lParam);
            return true;
        case kCommandExit:
            OnExitCommand(window, lParam);
            return true;
        case kCommandShowPanel:
            ShowControlPanel();
            return true;
        case kCommandHidePanel:
            HideControlPanel();
            return true;
        default:
            return false;
    }
}

}  // namespace

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_DESTROY:
            LogEvent(kNoDevice, -1, L"Lumistrand_7_2 ends", kLogNoOutcome, g_app.restartRequested ? nullptr : L"\r\n");
            PostQuitMessage(0);
            return 0;
        case WM_CLOSE:
            HideControlPanel();
            return 0;
        case WM_COPYDATA:
            return OnCopyData(reinterpret_cast<const COPYDATASTRUCT*>(lParam));
        case WM_COMMAND:
            if (OnCommand(window, wParam, lParam)) return 0;
            break;
        case WM_TIMER:
            OnTimer(window, wParam);
            return 0;
        default:
            break;
    }
    return DefDlgProcW(window, message, wParam, lParam);
}
