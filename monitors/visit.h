// The visit pattern every monitor operation uses: walk the displays, open each display's
// physical monitors, number them across displays with the table's visit counter, act on
// the one whose number is the target, and destroy each display's monitors before moving on.
// Physical-monitor handles never outlive the call.
#pragma once
#include <cstdint>
#include <functional>

#include "platform/ddc.h"

// Returns false when no physical monitor has the running number target; otherwise the action's result.
bool VisitMonitor(std::int32_t target, const std::function<bool(const PhysicalMonitor&)>& action);
