#include <windows.h>

#include "app/app_state.h"
#include "platform/main_window.h"
#include "platform/main_window_handle_win32.h"

namespace {
HWND MainWindow() { return MainWindowHandle(); }
}  // namespace

void MainWindowSetTimer(std::uint32_t id, std::uint32_t milliseconds) {
    if (MainWindow() != nullptr) SetTimer(MainWindow(), id, milliseconds, nullptr);
}

void MainWindowKillTimer(std::uint32_t id) {
    if (MainWindow() != nullptr) KillTimer(MainWindow(), id);
}

void MainWindowPostCommand(std::uint32_t commandId, std::intptr_t lParam) {
    if (MainWindow() != nullptr) PostMessageW(MainWindow(), WM_COMMAND, commandId, lParam);
}
