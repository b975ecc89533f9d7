// The discovery pass: rebuilds the monitor list and refreshes every MonitorEntry,
// executing the requests filed in the entries.
#pragma once

void DiscoverMonitors(bool showIconsIfHidden);
