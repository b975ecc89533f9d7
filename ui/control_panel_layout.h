// The four arrangements of the control panel, by the advanced column (left) and the volume
// column (right).
#pragma once
#include "platform/panel_window.h"

// The wide "Turn off" and "Rescan" buttons, or in the narrowest arrangement the short ones.
bool PanelWideButtons(bool advanced, bool volume);
PanelLayout ComputePanelLayout(bool advanced, bool volume);
