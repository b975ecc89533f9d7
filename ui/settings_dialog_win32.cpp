#include <windows.h>
#include <commctrl.h>

#include <array>
#include <string>

#include "hooks/hook_thread.h"
#include "platform/dialog_handle_win32.h"
#include "platform/main_window_handle_win32.h"
#include "res/resource.h"
#include "settings/texts.h"
#include "settings/ui_language.h"
#include "ui/settings_controls.h"
#include "ui/settings_dialog.h"
#include "ui/settings_tips.h"

namespace {

HWND Dialog() { return DialogHandle(DialogWindow::Settings); }

struct PageFilter {
    int page;
};

BOOL CALLBACK ShowIfOnPage(HWND child, LPARAM filter) {
    const int id = GetDlgCtrlID(child);
    const int page = SettingsPageOf(id);
    if (page >= 0) {
        const bool shown = page == reinterpret_cast<const PageFilter*>(filter)->page && SettingsControlInUse(id);
        ShowWindow(child, shown ? SW_SHOW : SW_HIDE);
    }
    return TRUE;
}

constexpr int kTipWidth = 600;      // pixels; wide enough that only "\n" breaks lines
constexpr int kTipShownMs = 30000;  // long texts need time to read

BOOL CALLBACK AddTip(HWND control, LPARAM tip) {
    std::wstring text = SettingsTipText(GetDlgCtrlID(control));
    if (text.empty()) return TRUE;
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = GetParent(control);
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = text.data();
    SendMessageW(reinterpret_cast<HWND>(tip), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    return TRUE;
}

// The tooltip window belongs to the dialog and goes with it.
void CreateTips(HWND dialog) {
    const HWND tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                     CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, dialog, nullptr, nullptr,
                                     nullptr);
    if (tip == nullptr) return;
    SendMessageW(tip, TTM_SETMAXTIPWIDTH, 0, kTipWidth);
    SendMessageW(tip, TTM_SETDELAYTIME, TTDT_AUTOPOP, kTipShownMs);
    EnumChildWindows(dialog, AddTip, reinterpret_cast<LPARAM>(tip));
}

// Hours and minutes only, in the system's 12- or 24-hour clock.
void FormatTimePickers(HWND dialog) {
    wchar_t clock[4] = {};
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_ITIME, clock, 4);
    const wchar_t* format = clock[0] == L'0' ? L"hh:mm tt" : L"HH:mm";
    for (int row = 0; row < 8; ++row) {
        SendDlgItemMessageW(dialog, IDC_SET_TIMER_TIME_FIRST + row, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(format));
    }
}

void ShowPage(HWND dialog, int page) {
    PageFilter filter{page};
    EnumChildWindows(dialog, ShowIfOnPage, reinterpret_cast<LPARAM>(&filter));
    SettingsDialogPageShown(page);
}

// The tree's items carry their page number; the item of page selects it.
void FillTree(HWND dialog, int page) {
    const HWND tree = GetDlgItem(dialog, IDC_SET_TREE);
    std::wstring titles = UiText(TextId::SettingsPageTitles);
    HTREEITEM selected = nullptr;
    for (int number = 0; number < kSettingsPages; ++number) {
        const std::size_t end = titles.find(L'\n');
        std::wstring title = titles.substr(0, end);
        titles.erase(0, end == std::wstring::npos ? titles.size() : end + 1);
        TVINSERTSTRUCTW insert{};
        insert.hParent = TVI_ROOT;
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT | TVIF_PARAM;
        insert.item.pszText = title.data();
        insert.item.lParam = number;
        const auto item = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
        if (number == page) selected = item;
    }
    SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(selected));
}

void OnCommand(HWND dialog, WPARAM wParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (id == IDCANCEL) {
        SettingsDialogCancel();
        DestroyWindow(dialog);
        return;
    }
    const bool pickedRunning = id == IDC_SET_RUNNING && code == LBN_SELCHANGE;
    if (code != BN_CLICKED && !pickedRunning) return;
    const SettingsNext next = SettingsControlUsed(id);
    // Hotkeys and wheel lines reach the hook thread as tables built from the record.
    if (id == IDOK || id == IDC_SET_APPLY) ReloadHookTables();
    if (next == SettingsNext::Close) DestroyWindow(dialog);
}

INT_PTR CALLBACK SettingsProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: {
            DialogSetHandle(DialogWindow::Settings, dialog);
            FormatTimePickers(dialog);
            CreateTips(dialog);
            SettingsDialogFill();
            const int page = static_cast<int>(lParam);
            FillTree(dialog, page);
            ShowPage(dialog, page);
            SetTimer(dialog, kTimerShowSettings, 10, nullptr);
            return TRUE;
        }
        case WM_TIMER:
            if (wParam != kTimerShowSettings) return FALSE;
            KillTimer(dialog, wParam);
            ShowWindow(dialog, SW_SHOW);
            SetForegroundWindow(dialog);
            return TRUE;
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (header->idFrom != IDC_SET_TREE || header->code != TVN_SELCHANGEDW) return FALSE;
            ShowPage(dialog, static_cast<int>(reinterpret_cast<const NMTREEVIEWW*>(lParam)->itemNew.lParam));
            return TRUE;
        }
        case WM_COMMAND:
            OnCommand(dialog, wParam);
            return TRUE;
        case WM_CLOSE:
            OnCommand(dialog, MAKEWPARAM(IDOK, BN_CLICKED));
            return TRUE;
        case WM_DESTROY:
            DialogSetHandle(DialogWindow::Settings, nullptr);
            SettingsDialogClosed();
            return FALSE;
        default:
            return FALSE;
    }
}

}  // namespace

void ShowSettingsDialog(std::int32_t page) {
    if (const HWND open = Dialog()) {
        ShowWindow(open, SW_SHOW);
        SetForegroundWindow(open);
        return;
    }
    if (page < 0 || page >= kSettingsPages) page = 0;
    CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(UiIsGerman() ? IDD_SETTINGS_DE : IDD_SETTINGS_EN),
                       MainWindowHandle(), SettingsProc, page);
}

bool SettingsDialogIsOpen() { return Dialog() != nullptr; }

bool CloseSettingsDialogIfOpen() {
    const HWND open = Dialog();
    if (open == nullptr) return false;
    SettingsDialogApply();
    DestroyWindow(open);
    return true;
}
