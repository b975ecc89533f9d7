// Colour saturation (digital vibrance) kept by the graphics driver, per display, through
// NVIDIA's or AMD's library; NVIDIA is asked first.
#pragma once
#include <cstdint>
#include <string>

struct MonitorEntry;

// Start-up: resolves both libraries' entries and initialises those complete enough to use.
void LoadGpuLibraries();
// Exit: ends AMD control when it was started, then frees the AMD library.
void FreeGpuLibraries();

// Fills entry.saturationInfo (raw values) and gpuAdapterName for the display named
// displayName ("\\.\DISPLAYn", 8-bit). False when no saturation was read.
bool ReadSaturation(MonitorEntry& entry, const std::string& displayName);
// Hands raw, limited to the entry's saturation range, to the driver of the entry's display.
// Logs under monitorIndex. The entry is not changed: the caller keeps what the driver accepted.
bool WriteSaturation(const MonitorEntry& entry, std::int32_t monitorIndex, std::int32_t raw);
