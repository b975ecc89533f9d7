#include "commands/target.h"

#include <algorithm>

#include "commands/interpreter.h"
#include "monitors/monitor_list.h"
#include "monitors/monitor_table.h"
#include "platform/main_window.h"
#include "platform/requests.h"
#include "res/resource.h"

MonitorEntry& TargetEntry() {
    const std::int32_t index = std::clamp(g_monitors.selectedMonitor, 0, kMonitorCount - 1);
    return g_monitors.entries[static_cast<std::size_t>(index)];
}

void ChooseMonitor(std::int32_t index) {
    g_monitors.selectedMonitor = index;
    InterpreterNoteMonitorNamed();
    if (InterpreterState().interactiveSelection == 0) return;
    MonitorListSelect(index);
    PanelShowValues(index);
    MainWindowPostCommand(kCommandRefreshPanel, 0);
}
