#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>
#include <shlwapi.h>

#include "app/control_panel_refresh.h"
#include "app/exit_path.h"
#include "app/forwarding.h"
#include "app/main_window_win32.h"
#include "app/main_window_work.h"
#include "app/pending_line.h"
#include "app/restart.h"
#include "app/start_facts.h"
#include "app/startup_steps.h"
#include "app/submit.h"
#include "app/timer_table.h"
#include "commands/vcp_message_box.h"
#include "log/event_log.h"
#include "monitors/monitor_list.h"
#include "monitors/monitor_list_win32.h"
#include "monitors/pending_requests.h"
#include "platform/main_window.h"
#include "platform/main_window_handle_win32.h"
#include "platform/notify_icon.h"
#include "res/resource.h"
#include "settings/texts.h"
#include "settings/ui_language.h"
#include "tray/icon_set.h"
#include "tray/panel_placement.h"
#include "ui/help_window.h"

namespace {

constexpr std::uint32_t kNoDevice = static_cast<std::uint32_t>(-1);
const wchar_t kExitQuestionValue[] = L"{D353CF42-628D-401F-B6B0-478DAB0F424C}";
// wParam: the row; lParam: kClickChecked and kClickCtrlShift.
constexpr UINT kMessagePowerClick = WM_APP + 1;
constexpr LPARAM kClickChecked = 1;
constexpr LPARAM kClickCtrlShift = 2;

LRESULT OnCopyData(const COPYDATASTRUCT* data) {
    if (data == nullptr) return FALSE;
    ForwardedLine line;
    if (!ReadForwardedBlock(data->dwData, data->cbData, data->lpData, line)) return FALSE;
    SetPendingLine(line.text);
    MainWindowPostCommand(kCommandRunLine, static_cast<std::intptr_t>(line.origin));
    return TRUE;
}

bool ConfirmExit(HWND window) {
    static bool asking = false;
    if (asking) return false;
    asking = true;
    const int answer = SHMessageBoxCheckW(window, UiText(TextId::ConfirmExit), L"Lumistrand 7.2", MB_OKCANCEL | MB_ICONQUESTION, IDOK,
                                          kExitQuestionValue);
    asking = false;
    return answer == IDOK;
}

void OnExitCommand(HWND window, std::intptr_t kind) {
    const bool panelWasVisible = IsWindowVisible(window) != 0;
    if (kind != kExitConfigurationCheck) HideControlPanel();
    if (ExitNeedsConfirmation(kind) && !ConfirmExit(window)) return;
    if (!FinishExit(kind, panelWasVisible)) return;
    if (HookThreadId() != 0) PostThreadMessageW(HookThreadId(), WM_COMMAND, kCommandExit, 0);
    CloseInstanceMutex();
    MainWindowDetach();
    DestroyWindow(window);
}

void OnRunLine(std::intptr_t lParam) {
    const auto origin = static_cast<std::uint32_t>(lParam);
    const RunLineResult result = RunPendingLine(origin, g_start.mainThreadId);
    if (result.restart) RestartProgram();
    if (result.reply) PostThreadMessageW(origin, WM_COMMAND, static_cast<WPARAM>(result.exitCode), kReplyMarker);
}

// The pass a click starts rebuilds the list's items, which the list view must not see
// happen inside its own notification; so the click is posted and handled afterwards.
void OnMonitorListNotify(HWND window, const NMHDR& header) {
    if (header.code != LVN_ITEMCHANGED) return;
    const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
    if (!MonitorListViewOnItemChanged(change)) return;
    const bool ctrlShift = GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_SHIFT) < 0;
    const LPARAM flags = (MonitorListIsChecked(change.iItem) ? kClickChecked : 0) | (ctrlShift ? kClickCtrlShift : 0);
    PostMessageW(window, kMessagePowerClick, static_cast<WPARAM>(change.iItem), flags);
}

// The panel goes first and the pause lets the key or click that asked for this settle,
// which would otherwise wake the monitors again at once.
void TurnOffAllMonitors() {
    HideControlPanel();
    Sleep(1500);
    constexpr LPARAM kMonitorPowerOff = 2;
    SendMessageTimeoutW(HWND_BROADCAST, WM_SYSCOMMAND, SC_MONITORPOWER, kMonitorPowerOff, SMTO_ABORTIFHUNG, 1000, nullptr);
}

// Explorer started anew and knows none of the icons: the restart adds them again.
void OnTaskbarCreated() {
    LogEvent(kNoDevice, -1, L"TaskbarCreated message received -> restart Lumistrand after 5 seconds", kLogNoOutcome,
             nullptr);
    MainWindowSetTimer(kTimerTaskbarRestart, 5000);
}

// Version-4 callbacks: the event in the low word of lParam, the icon's id in the high word.
void OnIconMessage(UINT message, LPARAM lParam) {
    const UINT event = LOWORD(lParam);
    if (event != NIN_SELECT && event != NIN_KEYSELECT) return;
    IconSelected(message, HIWORD(lParam));
    ShowSelectedMonitor();
    PlacePanelAtIcon();
}

void OnTimer(HWND window, UINT_PTR id) {
    const MainWindowTimer* timer = FindMainWindowTimer(static_cast<std::uint32_t>(id));
    if (timer == nullptr || timer->oneShot) KillTimer(window, id);
    if (timer == nullptr) return;
    if (timer->work != nullptr) timer->work();
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
            RefreshControlPanel();
            ShowControlPanel();
            return true;
        case kCommandHidePanel:
            HideControlPanel();
            return true;
        case IDM_TURN_OFF_MONITORS:
            TurnOffAllMonitors();
            return true;
        case IDM_HELP:
            OpenHelpWindow();
            return true;
        default:
            return false;
    }
}

}  // namespace

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == NotifyIconTaskbarCreatedMessage()) {
        OnTaskbarCreated();
        return 0;
    }
    if (message >= kIconMessageFirst && message <= kIconMessageLast) {
        OnIconMessage(message, lParam);
        return 0;
    }
    switch (message) {
        case WM_DESTROY:
            LogEvent(kNoDevice, -1, nullptr, kLogNoOutcome,
                     ExitState().restartRequested ? L"Lumistrand_7_2 ends" : L"Lumistrand_7_2 ends\r\n");
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
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (header == nullptr || header->idFrom != IDC_MONITOR_LIST) break;
            OnMonitorListNotify(window, *header);
            return 0;
        }
        case kMessagePowerClick:
            OnPowerCheckBoxClicked(static_cast<std::int32_t>(wParam), (lParam & kClickChecked) != 0,
                                   (lParam & kClickCtrlShift) != 0);
            return 0;
        default:
            break;
    }
    return DefDlgProcW(window, message, wParam, lParam);
}
