// What the settings remember about the monitors between runs: the selected monitor and each
// known monitor's brightness and contrast.
#pragma once

// The selection lives in g_monitors while the program runs and in g_settings on disk.
void SelectionFromSettings();
// Called before every save.
void SelectionToSettings();

enum class RestoreMoment { Startup, ConfigurationCheck };

// With restorevalues on and outside duplicate mode, writes each listed monitor's remembered
// brightness and contrast back (where it has the range and a value was remembered), then
// puts the selection back and shows the selected monitor again.
void RestoreRememberedValues(RestoreMoment moment);
