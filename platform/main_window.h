// Main-window seam: timers and commands posted to the main window.
// Windows: main_window_win32.cpp. Host tests: testing/fakes/main_window_fake.cpp records them.
#pragma once
#include <cstdint>

// The window is attached once it exists and detached when its destruction begins; until
// then and from then on every call here does nothing. MainWindowId is 0 meanwhile.
void MainWindowAttach(std::uintptr_t window);
void MainWindowDetach();
std::uintptr_t MainWindowId();

void MainWindowSetTimer(std::uint32_t id, std::uint32_t milliseconds);
void MainWindowKillTimer(std::uint32_t id);
void MainWindowPostCommand(std::uint32_t commandId, std::intptr_t lParam);
