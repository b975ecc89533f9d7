// The power-off information (template 116): why powering a monitor off over its cable needs
// Ctrl and Shift held, and a box to power off without them from now on.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dialog_controls.h"

// The name in the 11 places of the text's placeholder: cut after 11 characters, or padded with blanks.
std::wstring PowerOffNameField(std::wstring_view monitorName);
// The explanation in the UI language with the monitor's name in the hotkey example.
std::vector<TextRun> PowerOffText(std::wstring_view monitorName);
// For the monitor of the list row; OK with the box ticked clears safety and saves the settings,
// Cancel changes nothing.
void ShowPowerOffInformation(std::int32_t row);
