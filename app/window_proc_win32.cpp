#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>
#include <wtsapi32.h>

#include <atomic>

#include "app/control_panel_refresh.h"
#include "app/device_events.h"
#include "app/exit_path.h"
#include "app/forwarding.h"
#include "app/main_window_win32.h"
#include "app/main_window_work.h"
#include "app/menu_commands.h"
#include "app/pending_line.h"
#include "app/restart.h"
#include "app/start_facts.h"
#include "app/startup_steps.h"
#include "app/submit.h"
#include "app/system_events.h"
#include "app/timer_table.h"
#include "commands/vcp_message_box.h"
#include "hooks/handover.h"
#include "hooks/hook_thread.h"
#include "log/event_log.h"
#include "monitors/known_monitors.h"
#include "monitors/monitor_list.h"
#include "monitors/monitor_list_win32.h"
#include "monitors/monitor_table.h"
#include "monitors/pending_requests.h"
#include "platform/dialog_handle_win32.h"
#include "platform/main_window.h"
#include "platform/main_window_handle_win32.h"
#include "res/resource.h"
#include "settings/settings.h"
#include "settings/ui_language.h"
#include "tray/balloon.h"
#include "tray/icon_set.h"
#include "tray/panel_placement.h"
#include "ui/control_panel_presenter.h"
#include "ui/control_panel_tips.h"
#include "ui/help_window.h"
#include "ui/monitor_dialog.h"
#include "ui/settings_menu_entries.h"

namespace {

constexpr std::uint32_t kNoDevice = static_cast<std::uint32_t>(-1);
// wParam: the row; lParam: kClickChecked and kClickCtrlShift.
constexpr UINT kMessagePowerClick = WM_APP + 1;
constexpr LPARAM kClickChecked = 1;
constexpr LPARAM kClickCtrlShift = 2;

std::atomic<bool> g_popupMenuOpen = false;
std::int32_t g_listMenuRow = -1;  // the row the list menu was opened for

bool CtrlAndShiftHeld() { return GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_SHIFT) < 0; }

LRESULT OnCopyData(const COPYDATASTRUCT* data) {
    if (data == nullptr) return FALSE;
    ForwardedLine line;
    if (!ReadForwardedBlock(data->dwData, data->cbData, data->lpData, line)) return FALSE;
    SetPendingLine(line.text);
    MainWindowPostCommand(kCommandRunLine, static_cast<std::intptr_t>(line.origin));
    return TRUE;
}

void OnExitCommand(HWND window, std::intptr_t kind) {
    const bool panelWasVisible = IsWindowVisible(window) != 0;
    if (kind != kExitConfigurationCheck) HideControlPanel();
    if (ExitNeedsConfirmation(kind) && !ExitConfirmed()) return;
    if (!FinishExit(kind, panelWasVisible)) return;
    if (HookThreadId() != 0) PostThreadMessageW(HookThreadId(), WM_COMMAND, kCommandExit, 0);
    CloseInstanceMutex();
    MainWindowDetach();
    DestroyWindow(window);
}

void OnEndSession(HWND window, WPARAM ending) {
    if (ending == FALSE || !EndSession()) return;
    MainWindowDetach();
    DestroyWindow(window);
}

// After the menu closes, WM_NULL lets a later click elsewhere close a menu as it should.
void TrackMenu(HWND window, HMENU popup, POINT at) {
    SetForegroundWindow(window);
    const UINT align = GetSystemMetrics(SM_MENUDROPALIGNMENT) != 0 ? TPM_RIGHTALIGN : TPM_LEFTALIGN;
    TrackPopupMenu(popup, align | TPM_RIGHTBUTTON, at.x, at.y, 0, window, nullptr);
    PostMessageW(window, WM_NULL, 0, 0);
}

HMENU LoadMenuFor(int english, int german) {
    return LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(UiIsGerman() ? german : english));
}

// The user's entries follow the first separator, with a separator of their own.
void AddUserEntries(HMENU popup) {
    constexpr UINT kAfterFirstSeparator = 2;
    UINT position = kAfterFirstSeparator;
    for (int n = 0; n < kMenuEntries; ++n) {
        const std::wstring text = MenuEntryText(n);
        if (!text.empty()) InsertMenuW(popup, position++, MF_BYPOSITION | MF_STRING, kMenuEntryFirst + n, text.c_str());
    }
    if (position > kAfterFirstSeparator) InsertMenuW(popup, position, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
}

void OpenPopupMenu(HWND window, POINT at) {
    if (!g_monitors.cloneMode) HideNotification();
    HMENU menu = LoadMenuFor(IDM_POPUP_EN, IDM_POPUP_DE);
    if (menu == nullptr) return;
    HMENU popup = GetSubMenu(menu, 0);
    SetMenuDefaultItem(popup, IDM_SHOW_PANEL, FALSE);
    AddUserEntries(popup);
    TrackMenu(window, popup, at);
    DestroyMenu(menu);
}

void OpenListMenu(HWND window, std::int32_t row) {
    if (g_monitors.cloneMode || row < 0 || row >= MonitorListRowCount()) return;
    MonitorListSelect(row);
    HMENU menu = LoadMenuFor(IDM_LIST_EN, IDM_LIST_DE);
    if (menu == nullptr) return;
    HMENU popup = GetSubMenu(menu, 0);
    const std::wstring name = MonitorShownAs(row);
    ModifyMenuW(popup, IDM_LIST_MONITOR_NAME, MF_BYCOMMAND | MF_STRING, IDM_LIST_MONITOR_NAME, name.c_str());
    if (const KnownMonitor* known = KnownMonitorOf(g_monitors.entries[row])) {
        CheckMenuItem(popup, IDM_DIM_MONITOR, MF_BYCOMMAND | (known->Dim != 0 ? MF_CHECKED : MF_UNCHECKED));
        CheckMenuItem(popup, IDM_IGNORE_MONITOR, MF_BYCOMMAND | (known->ignoremonitor != 0 ? MF_CHECKED : MF_UNCHECKED));
    }
    g_listMenuRow = row;
    POINT at{};
    GetCursorPos(&at);
    TrackMenu(window, popup, at);
    DestroyMenu(menu);
}

// The pointer goes back where it was when Esc arrived: hiding the panel must not move it.
void HidePanelKeepingPointer() {
    POINT pointer{};
    GetCursorPos(&pointer);
    HideControlPanel();
    Sleep(100);
    SetCursorPos(pointer.x, pointer.y);
}

// The panel's own windows; the dimming dialog joins this list when it exists.
bool KeepsPanelOpen(HWND activated) {
    for (const DialogWindow window : {DialogWindow::Help, DialogWindow::PowerOff, DialogWindow::Settings}) {
        if (activated == DialogHandle(window)) return true;
    }
    return false;
}

void OnActivate(WPARAM state, HWND activated) {
    if (LOWORD(state) != WA_INACTIVE || !g_settings.autocloseflag) return;
    if (HookThreadId() != 0 && g_settings.usemousehook && activated != nullptr &&
        KeepsPanelOpen(activated))
        return;
    HideControlPanel();
}

PowerSetting PowerSettingOf(const GUID& setting) {
    if (IsEqualGUID(setting, kPowerSourceChange)) return PowerSetting::PowerSource;
    if (IsEqualGUID(setting, kPowerSavingChange)) return PowerSetting::PowerSaving;
    return IsEqualGUID(setting, kMonitorPowerOn) ? PowerSetting::MonitorPower : PowerSetting::Other;
}

LRESULT OnPowerBroadcast(WPARAM event, LPARAM lParam) {
    if (event == PBT_APMRESUMEAUTOMATIC) {
        OnResumeFromSleep();
    } else if (event == PBT_POWERSETTINGCHANGE && lParam != 0) {
        const auto& setting = *reinterpret_cast<const POWERBROADCAST_SETTING*>(lParam);
        OnPowerSettingChange(PowerSettingOf(setting.PowerSetting), setting.DataLength > 0 ? setting.Data[0] : 0);
    }
    return TRUE;
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
    if (header.code == NM_RCLICK) {
        const std::int32_t row = reinterpret_cast<const NMITEMACTIVATE&>(header).iItem;
        if (row >= 0) {
            OpenListMenu(window, row);
        } else {
            POINT at{};
            GetCursorPos(&at);
            OpenPopupMenu(window, at);
        }
        return;
    }
    if (header.code != LVN_ITEMCHANGED) return;
    const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
    if (!MonitorListViewOnItemChanged(change)) return;
    const LPARAM flags =
        (MonitorListIsChecked(change.iItem) ? kClickChecked : 0) | (CtrlAndShiftHeld() ? kClickCtrlShift : 0);
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

// Version-4 callbacks: the event in the low word of lParam, the icon's id in the high word.
void OnIconMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const UINT event = LOWORD(lParam);
    if (event == WM_CONTEXTMENU) {
        OpenPopupMenu(window, {GET_X_LPARAM(wParam), GET_Y_LPARAM(wParam)});
        return;
    }
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

void OnSlider(HWND slider, WPARAM wParam) {
    if (slider == nullptr || LOWORD(wParam) == TB_THUMBTRACK) return;
    PanelSliderMoved(GetDlgCtrlID(slider), static_cast<std::int32_t>(SendMessageW(slider, TBM_GETPOS, 0, 0)));
}

void OnTipText(NMTTDISPINFOW& info) {
    static std::wstring text;
    text = PanelControlTip(GetDlgCtrlID(reinterpret_cast<HWND>(info.hdr.idFrom)));
    info.lpszText = text.data();
}

// The channel becomes a level bar in the slider's colour, wider and shorter than the standard one.
LRESULT OnSliderDraw(const NMCUSTOMDRAW& draw) {
    std::uint32_t colour = 0;
    if (!PanelSliderColour(static_cast<int>(draw.hdr.idFrom), colour)) return CDRF_DODEFAULT;
    if (draw.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
    if (draw.dwDrawStage != CDDS_ITEMPREPAINT || draw.dwItemSpec != TBCD_CHANNEL) return CDRF_DODEFAULT;
    const RECT bar{draw.rc.left - 3, draw.rc.top + 4, draw.rc.right + 2, draw.rc.bottom - 4};
    const auto maximum = static_cast<int>(SendMessageW(draw.hdr.hwndFrom, TBM_GETRANGEMAX, 0, 0));
    const auto position = static_cast<int>(SendMessageW(draw.hdr.hwndFrom, TBM_GETPOS, 0, 0));
    const int level = maximum > 0 ? MulDiv(bar.bottom - bar.top, maximum - position, maximum) : 0;
    FillRect(draw.hdc, &bar, GetSysColorBrush(COLOR_BTNFACE));
    const RECT filled{bar.left, bar.bottom - level, bar.right, bar.bottom};
    if (HBRUSH brush = CreateSolidBrush(colour)) {
        FillRect(draw.hdc, &filled, brush);
        DeleteObject(brush);
    }
    return CDRF_SKIPDEFAULT;
}

void OnPowerButton() {
    const std::int32_t row = g_monitors.selectedMonitor;
    OnPowerCheckBoxClicked(row, !MonitorListIsChecked(row), CtrlAndShiftHeld());
}

// The panel's own controls; menus and accelerators come with a notification code of 0 or 1
// and ids the controls do not use.
bool OnControl(HWND control, int id, int code) {
    if (code == CBN_SELCHANGE && control != nullptr) {
        const LRESULT chosen = SendMessageW(control, CB_GETCURSEL, 0, 0);
        const LRESULT length = chosen == CB_ERR ? CB_ERR : SendMessageW(control, CB_GETLBTEXTLEN, chosen, 0);
        std::wstring choice(length == CB_ERR ? 0 : static_cast<std::size_t>(length), L'\0');
        if (!choice.empty()) SendMessageW(control, CB_GETLBTEXT, chosen, reinterpret_cast<LPARAM>(choice.data()));
        return PanelControlUsed(id, choice);
    }
    return code == BN_CLICKED && PanelControlUsed(id, {});
}

bool OnCommand(HWND window, WPARAM wParam, LPARAM lParam) {
    g_popupMenuOpen = false;
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
            HidePanelKeepingPointer();
            return true;
        case kCommandHookLine:
            RunHookCommand(static_cast<std::uint32_t>(lParam));
            return true;
        case kCommandHookRefused:
            LogFailureCause(false, L"SetWindowsHookEx", HIWORD(wParam) == WH_MOUSE_LL ? L"WH_MOUSE_LL" : L"WH_KEYBOARD_LL",
                            static_cast<std::uint32_t>(lParam));
            return true;
        case IDM_TURN_OFF_MONITORS:
        case IDC_TURN_OFF_SHORT:
        case IDC_TURN_OFF_WIDE:
            TurnOffAllMonitors();
            return true;
        case IDC_HIDE_PANEL:
            HideControlPanel();
            return true;
        case IDC_OPEN_SETTINGS:
            return RunMenuCommand(IDM_SETTINGS, g_listMenuRow);
        case IDC_POWER_TOGGLE:
            OnPowerButton();
            return true;
        case IDC_VOLUME_ICON:
            // The icon set is built once at start.
            g_settings.showvolumeicon = IsDlgButtonChecked(window, IDC_VOLUME_ICON) == BST_CHECKED;
            RestartLogged(L"show/hide volume icon -> restart Lumistrand");
            return true;
        case IDM_HELP:
            OpenHelpWindow();
            return true;
        default:
            return RunMenuCommand(LOWORD(wParam), g_listMenuRow) ||
                   OnControl(reinterpret_cast<HWND>(lParam), LOWORD(wParam), HIWORD(wParam));
    }
}

}  // namespace

bool PopupMenuIsOpen() { return g_popupMenuOpen; }

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == NotifyIconTaskbarCreatedMessage()) {
        OnTaskbarCreated();
        return 0;
    }
    if (message >= kIconMessageFirst && message <= kIconMessageLast) {
        OnIconMessage(window, message, wParam, lParam);
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
        case WM_SIZE:
            OnClientHeight(HIWORD(lParam));
            break;
        case WM_ACTIVATE:
            OnActivate(wParam, reinterpret_cast<HWND>(lParam));
            break;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            BeginPaint(window, &paint);
            EndPaint(window, &paint);
            return 0;
        }
        case WM_QUERYENDSESSION:
            if (QueryEndSession()) return TRUE;
            break;
        case WM_ENDSESSION:
            OnEndSession(window, wParam);
            return 0;
        case WM_DISPLAYCHANGE:
            OnDisplayChange();
            break;
        case WM_NCHITTEST: {
            // The borderless panel can be dragged by any empty spot.
            const LRESULT hit = DefDlgProcW(window, message, wParam, lParam);
            return hit == HTCLIENT ? HTCAPTION : hit;
        }
        case WM_NCRBUTTONUP:
            if (wParam != HTCAPTION) break;
            OpenPopupMenu(window, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        case WM_ENTERMENULOOP:
        case WM_EXITMENULOOP:
            if (wParam != FALSE) g_popupMenuOpen = message == WM_ENTERMENULOOP;
            break;
        case WM_POWERBROADCAST:
            return OnPowerBroadcast(wParam, lParam);
        case WM_WTSSESSION_CHANGE:
            OnSessionChange(static_cast<std::uint32_t>(wParam), static_cast<std::uint32_t>(lParam));
            return 0;
        case WM_COPYDATA:
            return OnCopyData(reinterpret_cast<const COPYDATASTRUCT*>(lParam));
        case WM_COMMAND:
            // Posted by system threads, also while a popup menu is open: they leave its state alone.
            if (RunDeviceEventCommand(LOWORD(wParam), lParam)) return 0;
            if (OnCommand(window, wParam, lParam)) return 0;
            break;
        case WM_TIMER:
            OnTimer(window, wParam);
            return 0;
        case WM_VSCROLL:
            OnSlider(reinterpret_cast<HWND>(lParam), wParam);
            return 0;
        case WM_SETCURSOR:
            if (GetDlgCtrlID(reinterpret_cast<HWND>(wParam)) == IDC_MONITOR_LIST) PanelListTipFollowPointer();
            break;
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (header != nullptr && header->code == TTN_GETDISPINFOW) {
                OnTipText(*reinterpret_cast<NMTTDISPINFOW*>(lParam));
                return 0;
            }
            if (header != nullptr && header->code == NM_CUSTOMDRAW && header->idFrom != IDC_MONITOR_LIST)
                return OnSliderDraw(*reinterpret_cast<const NMCUSTOMDRAW*>(lParam));
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
