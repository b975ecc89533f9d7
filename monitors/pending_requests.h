// Requests filed in a MonitorEntry (factory reset, colour temperature, input, preset,
// generic set and get, power toggle) that the discovery pass carries out.
#pragma once
#include <cstdint>

#include "platform/ddc.h"

struct MonitorEntry;

struct ProbePolicy {
    std::int32_t attempts = 3;
    std::int32_t pauseMs = 50;
};

// Runs in order: factory reset, colour temperature, input, preset, generic set, generic get.
// May change policy and set entry.ddcState to 2.
void ExecutePendingRequests(MonitorEntry& entry, std::int32_t index, const PhysicalMonitor& monitor, ProbePolicy& policy);
// Toggles the monitor's power through VCP 0xD6.
void PowerToggle(MonitorEntry& entry, std::int32_t index, const PhysicalMonitor& monitor);
