// Message boxes owned by the main window.
// Windows: message_box_win32.cpp. Host tests: testing/fakes/message_box_fake.cpp records them.
#pragma once
#include <string>

// Blocks until the user closes the box; warning adds the warning icon.
void MessageBoxShow(const std::wstring& title, const std::wstring& text, bool warning);
