#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cwchar>
#include <string>
#include <iterator>

#include "platform/main_window_handle_win32.h"
#include "platform/panel_window.h"
#include "res/resource.h"

namespace {

constexpr int kTipWidth = 600;             // pixels; wide enough that only "\n" breaks lines
constexpr int kTipShownMs = 30000;         // long texts need time to read
HWND g_controlTip = nullptr;
HWND g_listTip = nullptr;
// Every slider and every slider's tooltip is of one class: one window procedure each to pass on to.
WNDPROC g_sliderTipProc = nullptr;
WNDPROC g_sliderProc = nullptr;

HWND MonitorList() { return GetDlgItem(MainWindowHandle(), IDC_MONITOR_LIST); }

HWND CreateTip(HWND owner) {
    HWND tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, nullptr, nullptr);
    if (tip == nullptr) return nullptr;
    SendMessageW(tip, TTM_SETMAXTIPWIDTH, 0, kTipWidth);
    SendMessageW(tip, TTM_SETDELAYTIME, TTDT_AUTOPOP, kTipShownMs);
    return tip;
}

TTTOOLINFOW ToolOf(HWND control, wchar_t* text) {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = GetParent(control);
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = text;
    return tool;
}

// The slider's own tooltip is handed the thumb's position; the user reads the value, which
// counts from the top.
void PositionToValue(HWND slider, const wchar_t* position, wchar_t (&value)[16]) {
    const auto maximum = static_cast<long>(SendMessageW(slider, TBM_GETRANGEMAX, 0, 0));
    std::swprintf(value, std::size(value), L"%ld", maximum - std::wcstol(position, nullptr, 10));
}

// Where the slider sets its tooltip's text itself.
LRESULT CALLBACK SliderTipProc(HWND tip, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto* tool = reinterpret_cast<const TTTOOLINFOW*>(lParam);
    if (message != TTM_UPDATETIPTEXTW || tool == nullptr || tool->lpszText == nullptr ||
        tool->lpszText == LPSTR_TEXTCALLBACKW)
        return CallWindowProcW(g_sliderTipProc, tip, message, wParam, lParam);
    wchar_t value[16];
    PositionToValue(tool->hwnd, tool->lpszText, value);
    TTTOOLINFOW changed = *tool;
    changed.lpszText = value;
    return CallWindowProcW(g_sliderTipProc, tip, message, wParam, reinterpret_cast<LPARAM>(&changed));
}

// Where the tooltip asks the slider for its text.
LRESULT CALLBACK SliderProc(HWND slider, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallWindowProcW(g_sliderProc, slider, message, wParam, lParam);
    auto* info = reinterpret_cast<NMTTDISPINFOW*>(lParam);
    if (message != WM_NOTIFY || info == nullptr || info->hdr.code != TTN_GETDISPINFOW) return result;
    static wchar_t value[16];
    PositionToValue(slider, info->lpszText != nullptr ? info->lpszText : info->szText, value);
    info->lpszText = value;
    return result;
}

WNDPROC Subclass(HWND window, WNDPROC procedure) {
    return reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
}

BOOL CALLBACK AddControlTool(HWND control, LPARAM panel) {
    if (GetParent(control) != reinterpret_cast<HWND>(panel) || GetDlgCtrlID(control) == IDC_MONITOR_LIST) return TRUE;
    wchar_t className[32] = L"";
    GetClassNameW(control, className, static_cast<int>(std::size(className)));
    if (std::wcscmp(className, TRACKBAR_CLASSW) == 0) {
        const auto sliderTip = reinterpret_cast<HWND>(SendMessageW(control, TBM_GETTOOLTIPS, 0, 0));
        if (sliderTip != nullptr) g_sliderTipProc = Subclass(sliderTip, SliderTipProc);
        g_sliderProc = Subclass(control, SliderProc);
        return TRUE;
    }
    TTTOOLINFOW tool = ToolOf(control, LPSTR_TEXTCALLBACKW);
    SendMessageW(g_controlTip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    return TRUE;
}

// A tooltip draws a tab as a box.
std::wstring WithoutTabs(std::wstring text) {
    std::replace(text.begin(), text.end(), L'\t', L' ');
    return text;
}

}  // namespace

void PanelCreateTooltips() {
    const HWND panel = MainWindowHandle();
    const HWND list = MonitorList();
    if (panel == nullptr || list == nullptr) return;
    g_controlTip = CreateTip(panel);
    g_listTip = CreateTip(panel);
    if (g_controlTip != nullptr) EnumChildWindows(panel, AddControlTool, reinterpret_cast<LPARAM>(panel));
    wchar_t empty[] = L"";
    TTTOOLINFOW tool = ToolOf(list, empty);
    if (g_listTip != nullptr) SendMessageW(g_listTip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

bool PanelPointerListLine(std::int32_t& line) {
    const HWND list = MonitorList();
    POINT pointer{};
    if (list == nullptr || !IsWindowVisible(list) || !GetCursorPos(&pointer)) return false;
    const HWND under = WindowFromPoint(pointer);
    if (under != list && GetParent(under) != list) return false;
    LVHITTESTINFO hit{};
    hit.pt = pointer;
    ScreenToClient(list, &hit.pt);
    line = static_cast<std::int32_t>(SendMessageW(list, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    return true;
}


void PanelSetListTip(const std::wstring& title, const std::wstring& text) {
    const HWND list = MonitorList();
    if (g_listTip == nullptr || list == nullptr) return;
    if (text.empty()) SendMessageW(g_listTip, TTM_POP, 0, 0);
    const std::wstring shownTitle = WithoutTabs(title), shownText = WithoutTabs(text);
    SendMessageW(g_listTip, TTM_SETTITLEW, TTI_NONE, reinterpret_cast<LPARAM>(shownTitle.c_str()));
    TTTOOLINFOW tool = ToolOf(list, const_cast<wchar_t*>(shownText.c_str()));
    SendMessageW(g_listTip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void PanelHideTooltips() {
    if (g_controlTip != nullptr) SendMessageW(g_controlTip, TTM_POP, 0, 0);
    PanelSetListTip({}, {});
}
