// The discovery pass: rebuilds the monitor list and refreshes every MonitorEntry,
// executing the requests filed in the entries.
#pragma once

#include "platform/ddc.h"

// Refuses to run while a pass is running (logged).
void DiscoverMonitors(bool showIconsIfHidden);
// The pass's step for one display: probes each of its physical monitors and appends their
// rows. Returns whether the walk over the displays should go on (fewer than ten rows, and
// the display's physical monitors could be listed).
bool ProbeDisplay(const DisplayInfo& display);
// Selects the first physical monitor of the display, numbered across all displays.
void FindMonitorByDisplay(DisplayHandle display);
