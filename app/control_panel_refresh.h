// Bringing the control panel up to date with the monitors.
#pragma once

// The selected monitor's line is marked and its values, caption and sliders are shown.
void ShowSelectedMonitor();
// A discovery pass (which re-reads what is due and rebuilds the list), then ShowSelectedMonitor.
// A pass already running makes the pass part do nothing.
void RefreshControlPanel();
