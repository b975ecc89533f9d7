// Overflow-area seam: the texts of the buttons in the hidden part of the notification area,
// which belongs to another process. Windows: overflow_tray_win32.cpp. Host tests:
// testing/fakes/overflow_tray_fake.cpp answers what a test sets.
#pragma once
#include <optional>
#include <string>
#include <vector>

// Every button's text in order; nothing when there is no overflow area or it cannot be read.
std::optional<std::vector<std::wstring>> OverflowTrayButtonTexts();
