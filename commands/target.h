// The monitor a command acts on: the selected monitor of the table.
#pragma once
#include <cstdint>

struct MonitorEntry;

// The selected entry; a selection outside the table (an old settings value) acts on the
// nearest entry instead of reading past the table.
MonitorEntry& TargetEntry();
// Makes index the target and, while the selection is interactive, the control panel's
// monitor too.
void ChooseMonitor(std::int32_t index);
