#include <windows.h>
#include <shlwapi.h>

#include "platform/main_window_handle_win32.h"
#include "platform/message_box.h"

void MessageBoxShow(const std::wstring& title, const std::wstring& text, bool warning) {
    MessageBoxW(MainWindowHandle(), text.c_str(), title.c_str(), warning ? MB_OK | MB_ICONWARNING : MB_OK);
}

bool MessageBoxAskOnce(const std::wstring& title, const std::wstring& text, const wchar_t* valueName) {
    return SHMessageBoxCheckW(MainWindowHandle(), text.c_str(), title.c_str(), MB_OKCANCEL | MB_ICONQUESTION, IDOK,
                              valueName) == IDOK;
}

bool MessageBoxYesNo(const std::wstring& title, const std::wstring& text, bool warning) {
    const UINT style = MB_YESNO | MB_DEFBUTTON2 | (warning ? MB_ICONWARNING : MB_ICONQUESTION);
    return MessageBoxW(MainWindowHandle(), text.c_str(), title.c_str(), style) == IDYES;
}

void MessageBoxForgetAnswers(std::span<const wchar_t* const> valueNames) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\DontShowMeThisDialogAgain",
                      0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) {
        return;
    }
    for (const wchar_t* name : valueNames) RegDeleteValueW(key, name);
    RegCloseKey(key);
}
