#include <windows.h>
#include <commctrl.h>

#include "platform/dialog_controls.h"
#include "platform/dialog_handle_win32.h"
#include "platform/optional_api.h"

namespace {

constexpr UINT kWorkMessage = WM_APP + 0x50;
constexpr UINT_PTR kWorkTimer = 2500;

const ModelessSpec* SpecOf(HWND dialog) {
    return reinterpret_cast<const ModelessSpec*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

void Show(HWND dialog) {
    ShowWindow(dialog, SW_SHOW);
    SetForegroundWindow(dialog);
}

// A posted message comes before input, painting and timers: while any of those wait, the
// next piece waits for a timer instead, which comes after them.
void ScheduleWork(HWND dialog) {
    if (HIWORD(GetQueueStatus(QS_INPUT | QS_PAINT | QS_TIMER)) != 0) {
        SetTimer(dialog, kWorkTimer, USER_TIMER_MINIMUM, nullptr);
    } else {
        PostMessageW(dialog, kWorkMessage, 0, 0);
    }
}

void Work(HWND dialog, const ModelessSpec& spec) {
    if (spec.work()) {
        ScheduleWork(dialog);
    } else {
        Show(dialog);
    }
}

void Ask(HWND dialog, const ModelessSpec& spec, int controlId) {
    if (spec.command(controlId)) DestroyWindow(dialog);
}

void OnCommand(HWND dialog, const ModelessSpec& spec, WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    if (HIWORD(wParam) == CBN_SELCHANGE && spec.chosen != nullptr) {
        spec.chosen(id, static_cast<std::int32_t>(SendMessageW(reinterpret_cast<HWND>(lParam), CB_GETCURSEL, 0, 0)));
    } else if (HIWORD(wParam) == BN_CLICKED) {
        // Escape arrives as IDCANCEL from no button, or from one that does not hold the focus.
        const auto control = reinterpret_cast<HWND>(lParam);
        Ask(dialog, spec, id == IDCANCEL && (control == nullptr || GetFocus() != control) ? kDialogDismissed : id);
    }
}

bool IsList(HWND control) {
    wchar_t name[32] = {};
    GetClassNameW(control, name, 32);
    return lstrcmpiW(name, WC_LISTVIEWW) == 0;
}

LRESULT DrawRow(NMLVCUSTOMDRAW& draw) {
    if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
    if (draw.nmcd.dwDrawStage == CDDS_ITEMPREPAINT && draw.nmcd.lItemlParam != 0) draw.clrText = RGB(220, 0, 0);
    return CDRF_DODEFAULT;
}

bool OnNotify(HWND dialog, const ModelessSpec& spec, NMHDR& header) {
    if (!IsList(header.hwndFrom)) return false;
    if (header.code == NM_CUSTOMDRAW) {
        SetWindowLongPtrW(dialog, DWLP_MSGRESULT, DrawRow(reinterpret_cast<NMLVCUSTOMDRAW&>(header)));
        return true;
    }
    const bool click = header.code == NM_CLICK || header.code == NM_DBLCLK || header.code == NM_RCLICK ||
                       header.code == NM_RDBLCLK;
    if (!click || spec.chosen == nullptr) return false;
    const auto row = SendMessageW(header.hwndFrom, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED);
    if (row >= 0) spec.chosen(static_cast<int>(header.idFrom), static_cast<std::int32_t>(row));
    return true;
}

void Forget(const ModelessSpec& spec) {
    DialogSetHandle(spec.window, nullptr);
}

INT_PTR CALLBACK ModelessProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        const auto* spec = reinterpret_cast<const ModelessSpec*>(lParam);
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        DialogSetHandle(spec->window, dialog);
        spec->open();
        if (spec->work != nullptr) {
            ScheduleWork(dialog);
        } else {
            Show(dialog);
        }
        return TRUE;
    }
    const ModelessSpec* spec = SpecOf(dialog);
    if (spec == nullptr) return FALSE;
    switch (message) {
        case kWorkMessage:
            Work(dialog, *spec);
            return TRUE;
        case WM_TIMER:
            if (wParam != kWorkTimer) return FALSE;
            KillTimer(dialog, kWorkTimer);
            Work(dialog, *spec);
            return TRUE;
        case WM_COMMAND:
            OnCommand(dialog, *spec, wParam, lParam);
            return TRUE;
        case WM_NOTIFY:
            return OnNotify(dialog, *spec, *reinterpret_cast<NMHDR*>(lParam));
        case WM_CLOSE:
            Ask(dialog, *spec, kDialogDismissed);
            return TRUE;
        case WM_DESTROY:
            Forget(*spec);
            return FALSE;
        default:
            return FALSE;
    }
}

}  // namespace

bool DialogOpenModeless(const ModelessSpec& spec) {
    if (const HWND open = DialogHandle(spec.window)) {
        if (IsWindowVisible(open)) SetForegroundWindow(open);
        return false;
    }
    if (spec.richText && !OptionalLoadRichEdit()) return false;
    if (CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(spec.templateId), nullptr, ModelessProc,
                           reinterpret_cast<LPARAM>(&spec)) != nullptr) {
        return true;
    }
    return false;
}
