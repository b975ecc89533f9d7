// What WMI ("ROOT\WMI") knows about a monitor. The WMI side is not written yet: both calls
// report failure and leave everything untouched.
#pragma once
#include <array>
#include <cstdint>

struct MonitorEntry;

// WmiMonitorID of the entry's monitor: wmiInstanceName, serialNumber, year and week of
// manufacture, and isLaptopPanel for the laptop's own panel.
bool ReadWmiMonitorId(MonitorEntry& entry);
// The base EDID block of the entry's monitor.
bool ReadEdidBlock(const MonitorEntry& entry, std::array<std::uint8_t, 128>& block);
