// Brightness and contrast limits per monitor, from the settings' limit rows.
#pragma once

// Resets every monitor's limits, then runs "<selector> a <4 numbers>" for each limit row.
void ApplyMonitorLimits();
// The "a" command: p stands after the letter. Reads four numbers into the target's limits
// and moves brightness and contrast inside them. Always ends the line.
void RunLimitsCommand(const wchar_t* p);
