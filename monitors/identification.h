// Identification of a display's monitor: connector, identification string, manufacturer,
// serial number, manufacture date and a readable name. The display-configuration and WMI
// sources are not written yet, so the identification fields keep their values and the
// name is the fallback.
#pragma once
#include <string>

struct MonitorEntry;

// displayDeviceName: e.g. "\\.\DISPLAY1". Returns the derived name; the display device name
// without its "\\.\" prefix when nothing better is known.
std::wstring IdentifyMonitor(MonitorEntry& entry, const std::wstring& displayDeviceName);
// The display device name without the "\\.\" prefix.
std::wstring DisplayFallbackName(const std::wstring& displayDeviceName);
