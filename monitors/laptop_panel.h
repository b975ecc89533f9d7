// The built-in panel of a laptop, whose backlight goes through WMI instead of DDC/CI.
// The WMI side is not written yet: both calls report failure and change nothing.
#pragma once
#include <cstdint>

// Reads the panel's brightness into the entry at index and sets the table's laptopFound
// on success.
bool ReadPanelBrightness(std::int32_t index);
bool SetPanelBrightness(std::uint32_t percent);
