// The monitor dialog (templates 117 / 118) of one monitor list row: the user's name for the
// monitor, dimming after inactivity, and brightness through VCP code 0x6B.
#pragma once
#include <cstdint>
#include <string>

// The list menu's first entry: display name, "is shown as", the user's name, "Change?".
std::wstring MonitorShownAs(std::int32_t row);

void ShowMonitorDialog(std::int32_t row);
