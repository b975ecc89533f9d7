#include "monitors/pending_requests.h"

void ExecutePendingRequests(MonitorEntry&, std::int32_t, const PhysicalMonitor&, ProbePolicy&) {}
void PowerToggle(MonitorEntry&, std::int32_t, const PhysicalMonitor&) {}
