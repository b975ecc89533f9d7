// The monitor work of the main window: its monitor timers and the monitor list's check boxes.
#pragma once
#include <cstdint>

// A user's click on the check box of a row: a request to switch that monitor's power, run at
// once by a discovery pass. With safety on it needs Ctrl and Shift held, unless the power-off
// information clears safety; a refused click puts the check box back.
void OnPowerCheckBoxClicked(std::int32_t row, bool checked, bool ctrlAndShiftHeld);

// The work of the main window's monitor timers.
void RereadAllValues();
void RecheckPowerStates();
// Values were restored a while ago: changes show balloons again.
void EndRestoreHold();
