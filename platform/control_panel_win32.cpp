#include <windows.h>

#include "platform/control_panel.h"
#include "platform/main_window_handle_win32.h"

bool ControlPanelIsVisible() {
    const HWND window = MainWindowHandle();
    return window != nullptr && IsWindowVisible(window);
}

void ControlPanelRedraw() {
    if (const HWND window = MainWindowHandle()) {
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
}
