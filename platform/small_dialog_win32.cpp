#include <windows.h>

#include <array>
#include <vector>

#include "platform/dialog_controls.h"
#include "platform/dialog_handle_win32.h"
#include "platform/main_window_handle_win32.h"
#include "platform/optional_api.h"

namespace {

std::array<HWND, static_cast<std::size_t>(DialogWindow::Count)> g_open{};
std::array<bool, static_cast<std::size_t>(DialogWindow::Count)> g_modeless{};

// What every ended dialog returns: DialogBoxParamW itself returns -1 when it fails.
constexpr INT_PTR kEnded = 1;

HWND& Slot(DialogWindow window) { return g_open[static_cast<std::size_t>(window)]; }

// What a resizable dialog looked like when it opened, in client coordinates.
struct Layout {
    SIZE firstWindow{};
    SIZE firstClient{};
    std::vector<std::pair<HWND, RECT>> children;
};

struct Running {
    const DialogSpec* spec;
    Layout layout;
};

Running* RunningOf(HWND dialog) { return reinterpret_cast<Running*>(GetWindowLongPtrW(dialog, DWLP_USER)); }

BOOL CALLBACK RememberChild(HWND child, LPARAM layout) {
    RECT box;
    GetWindowRect(child, &box);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&box), 2);
    reinterpret_cast<Layout*>(layout)->children.push_back({child, box});
    return TRUE;
}

void RememberLayout(HWND dialog, Layout& layout) {
    RECT window, client;
    GetWindowRect(dialog, &window);
    GetClientRect(dialog, &client);
    layout.firstWindow = {window.right - window.left, window.bottom - window.top};
    layout.firstClient = {client.right, client.bottom};
    EnumChildWindows(dialog, RememberChild, reinterpret_cast<LPARAM>(&layout));
}

// The growing control keeps its margins; every other control its distance from the bottom.
void FollowSize(HWND dialog, const Running& running, int width, int height) {
    const Layout& layout = running.layout;
    const int grownX = width - layout.firstClient.cx;
    const int grownY = height - layout.firstClient.cy;
    for (const auto& [child, box] : layout.children) {
        if (GetDlgCtrlID(child) == running.spec->growingControl) {
            MoveWindow(child, box.left, box.top, box.right - box.left + grownX, box.bottom - box.top + grownY, TRUE);
        } else {
            SetWindowPos(child, nullptr, box.left, box.top + grownY, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        }
    }
    InvalidateRect(dialog, nullptr, TRUE);
}

bool IsReadOnlyEdit(HWND control) { return (GetWindowLongW(control, GWL_STYLE) & ES_READONLY) != 0; }

void OnCommand(HWND dialog, const Running& running, WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const auto control = reinterpret_cast<HWND>(lParam);
    if (HIWORD(wParam) == EN_SETFOCUS && control != nullptr && IsReadOnlyEdit(control)) {
        HideCaret(control);
        return;
    }
    if (HIWORD(wParam) != BN_CLICKED) return;
    // Escape also arrives as the cancel button's command: only a click leaves that button
    // holding the focus.
    const bool dismissed = id == IDCANCEL && (control == nullptr || GetFocus() != control);
    const int reported = dismissed ? kDialogDismissed : id;
    if (running.spec->command(reported)) EndDialog(dialog, kEnded);
}

INT_PTR CALLBACK SmallDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* running = reinterpret_cast<Running*>(lParam);
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        Slot(running->spec->window) = dialog;
        RememberLayout(dialog, running->layout);
        SetTimer(dialog, running->spec->showTimerId, 10, nullptr);
        running->spec->open();
        if (const HWND ok = GetDlgItem(dialog, IDOK)) {
            SetFocus(ok);
            return FALSE;
        }
        return TRUE;
    }
    Running* running = RunningOf(dialog);
    if (running == nullptr) return FALSE;
    switch (message) {
        case WM_TIMER:
            if (wParam != running->spec->showTimerId) return FALSE;
            KillTimer(dialog, wParam);
            ShowWindow(dialog, SW_SHOW);
            SetForegroundWindow(dialog);
            return TRUE;
        case WM_COMMAND:
            OnCommand(dialog, *running, wParam, lParam);
            return TRUE;
        case WM_CLOSE:
            if (running->spec->command(kDialogDismissed)) EndDialog(dialog, kEnded);
            return TRUE;
        case WM_GETMINMAXINFO:
            reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {running->layout.firstWindow.cx,
                                                                    running->layout.firstWindow.cy};
            return TRUE;
        case WM_SIZE:
            if (running->spec->growingControl != 0) FollowSize(dialog, *running, LOWORD(lParam), HIWORD(lParam));
            return TRUE;
        case WM_DESTROY:
            Slot(running->spec->window) = nullptr;
            return FALSE;
        default:
            return FALSE;
    }
}

}  // namespace

HWND DialogHandle(DialogWindow window) {
    return window == DialogWindow::ControlPanel ? MainWindowHandle() : Slot(window);
}

bool DialogRun(const DialogSpec& spec) {
    if (const HWND open = Slot(spec.window)) {
        ShowWindow(open, SW_SHOW);
        SetForegroundWindow(open);
        return false;
    }
    if (spec.richText && !OptionalLoadRichEdit()) return false;
    Running running{&spec, {}};
    return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(spec.templateId), MainWindowHandle(),
                           SmallDialogProc, reinterpret_cast<LPARAM>(&running)) != -1;
}

bool DialogIsOpen(DialogWindow window) { return Slot(window) != nullptr; }

void DialogClose(DialogWindow window) {
    const HWND open = Slot(window);
    if (open != nullptr && g_modeless[static_cast<std::size_t>(window)]) {
        DestroyWindow(open);
    } else if (open != nullptr) {
        EndDialog(open, kEnded);
    }
}

void DialogSetHandle(DialogWindow window, HWND dialog) {
    Slot(window) = dialog;
    g_modeless[static_cast<std::size_t>(window)] = dialog != nullptr;
}

bool DialogTakesMessage(MSG& message) {
    for (std::size_t window = 0; window < g_open.size(); ++window) {
        const HWND dialog = g_modeless[window] ? g_open[window] : nullptr;
        if (dialog != nullptr && (message.hwnd == dialog || IsChild(dialog, message.hwnd))) {
            return IsDialogMessageW(dialog, &message) != FALSE;
        }
    }
    return false;
}
