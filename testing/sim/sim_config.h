// The simulator's plain-text configuration (described in docs/simulator.md) and the
// built-in default: two displays with one monitor each.
#pragma once
#include <string>

#include "testing/sim/gpu_sim.h"
#include "testing/sim/sim_model.h"

// On failure error holds "line N: reason" and config is untouched. The gpu and gpufail lines
// go to gpu when one is given.
bool SimParseConfig(const std::string& text, SimConfig& config, std::string& error, SimGpuConfig* gpu = nullptr);
// Writes a configuration that SimParseConfig reads back to the same state (the dxva2.dll's state file).
std::string SimFormatConfig(const SimConfig& config);
const char* SimDefaultConfigText();
SimConfig SimDefaultConfig();
