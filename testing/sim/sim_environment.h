// What the simulated dxva2.dll needs beyond the model: its configuration and state files,
// the transaction log, and the mapping from a system display to a configured one.
#pragma once
#include <filesystem>
#include <string>

#include "testing/sim/gpu_sim.h"
#include "testing/sim/sim_model.h"

// The configured display for a system display: the one with the same device name, else
// "\\.\DISPLAYn" -> the n-th configured, else the display's position in the system's
// enumeration. -1 when none of these exists.
std::int32_t SimDisplayForDevice(const SimConfig& config, const std::wstring& deviceName, std::int32_t position);

// Loads the configuration file (the built-in default when configPath is empty), then, when
// statePath names an existing file, the state a previous process left there in its place.
// On failure error says which file and line, and the model has no displays at all.
bool SimLoadFiles(const std::filesystem::path& configPath, const std::filesystem::path& statePath,
                  std::string& error);
// The gpu lines of the configuration file into the GPU model; none when configPath is empty.
// On failure error says which file and line, and the model has no displays.
bool SimGpuLoadFile(const std::filesystem::path& configPath, std::string& error);
// Writes the whole current state so that a crash mid-write never leaves half a file.
bool SimSaveState(const std::filesystem::path& statePath);
// One line per call, the file opened and closed each time so that processes can share it.
bool SimAppendLogLine(const std::filesystem::path& logPath, const std::string& line);
