// Main-window seam: timers and commands posted to the main window.
// Windows: main_window_win32.cpp. Host tests: testing/fakes/main_window_fake.cpp records them.
#pragma once
#include <cstdint>

void MainWindowSetTimer(std::uint32_t id, std::uint32_t milliseconds);
void MainWindowKillTimer(std::uint32_t id);
void MainWindowPostCommand(std::uint32_t commandId, std::intptr_t lParam);
