// The DDC/CI probe of one monitor during a discovery pass: brightness, contrast, power
// state, capabilities with the value lists, gains and speaker volume, then the fallback
// to the laptop panel.
#pragma once
#include <cstdint>

#include "monitors/pending_requests.h"
#include "platform/ddc.h"

struct MonitorEntry;

// Chooses the brightness read's attempts and pause and whether the monitor must be read
// (ddcState); sets the table's lastPassOk to whether it answered before.
void DecideProbe(MonitorEntry& entry, ProbePolicy& policy);
void ProbeMonitor(MonitorEntry& entry, std::int32_t index, const PhysicalMonitor& monitor, const ProbePolicy& policy);
// Falls back to the laptop panel for a monitor that never answered and settles powerOn.
void ConcludeProbe(MonitorEntry& entry, std::int32_t index);
