// Colour saturation (digital vibrance) kept by the graphics driver, per display.
// The vendor libraries are not loaded yet: both calls report failure.
#pragma once
#include <cstdint>
#include <string>

struct MonitorEntry;

// Fills entry.saturationInfo (raw values) and gpuAdapterName for the display named
// displayName ("\\.\DISPLAYn", 8-bit). On failure the entry is left untouched.
bool ReadSaturation(MonitorEntry& entry, const std::string& displayName);
// Limits raw to the entry's saturation range, stores it as current and hands it to the driver.
bool WriteSaturation(MonitorEntry& entry, std::int32_t raw);
