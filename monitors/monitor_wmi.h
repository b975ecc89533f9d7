// What WMI ("ROOT\WMI") knows about a monitor. A failing WMI call keeps what was found before it.
#pragma once
#include <string>

struct MonitorEntry;

// WmiMonitorID of the entry's monitor: wmiInstanceName, serialNumber, year and week of
// manufacture, and isLaptopPanel for the laptop's own panel when it does not answer DDC/CI.
// False when no instance belongs to the entry.
bool ReadWmiMonitorId(MonitorEntry& entry);
// The name in the alphanumeric descriptors of the entry's base EDID block; empty when there is
// none or the block cannot be read.
std::wstring ReadEdidName(const MonitorEntry& entry);
