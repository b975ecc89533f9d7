#include <windows.h>

#include "platform/main_window_handle_win32.h"
#include "platform/message_box.h"

void MessageBoxShow(const std::wstring& title, const std::wstring& text, bool warning) {
    MessageBoxW(MainWindowHandle(), text.c_str(), title.c_str(), warning ? MB_OK | MB_ICONWARNING : MB_OK);
}
