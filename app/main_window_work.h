// The monitor work of the main window: its monitor timers and the monitor list's check boxes.
#pragma once
#include <cstdint>

inline constexpr std::uint32_t kTimerRereadValues = 0x48;

// A user's click on the check box of a row: a request to switch that monitor's power, run at
// once by a discovery pass. With safety on it needs Ctrl and Shift held, unless the power-off
// information clears safety; a refused click puts the check box back.
void OnPowerCheckBoxClicked(std::int32_t row, bool checked, bool ctrlAndShiftHeld);

// Runs the work of a fired monitor timer (brightness transfer, power re-check, re-read of
// every value, end of the hold after restored values); false for any other id.
bool RunMonitorTimer(std::uint32_t id);
