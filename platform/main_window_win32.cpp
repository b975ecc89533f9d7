#include <windows.h>

#include "platform/main_window.h"
#include "platform/main_window_handle_win32.h"

namespace {
HWND g_mainWindow = nullptr;
}  // namespace

void MainWindowAttach(std::uintptr_t window) { g_mainWindow = reinterpret_cast<HWND>(window); }

void MainWindowDetach() { g_mainWindow = nullptr; }

std::uintptr_t MainWindowId() { return reinterpret_cast<std::uintptr_t>(g_mainWindow); }

HWND MainWindowHandle() { return g_mainWindow; }

void MainWindowSetTimer(std::uint32_t id, std::uint32_t milliseconds) {
    if (g_mainWindow != nullptr) SetTimer(g_mainWindow, id, milliseconds, nullptr);
}

void MainWindowKillTimer(std::uint32_t id) {
    if (g_mainWindow != nullptr) KillTimer(g_mainWindow, id);
}

void MainWindowPostCommand(std::uint32_t commandId, std::intptr_t lParam) {
    if (g_mainWindow != nullptr) PostMessageW(g_mainWindow, WM_COMMAND, commandId, lParam);
}
