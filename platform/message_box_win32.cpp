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
    const UINT icon = warning ? MB_ICONWARNING : MB_ICONQUESTION;
    return MessageBoxW(MainWindowHandle(), text.c_str(), title.c_str(), MB_YESNO | MB_DEFBUTTON2 | icon) == IDYES;
}
