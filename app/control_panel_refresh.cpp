#include "app/control_panel_refresh.h"

#include "monitors/discovery.h"
#include "monitors/monitor_list.h"
#include "monitors/monitor_table.h"
#include "platform/requests.h"

void ShowSelectedMonitor() {
    if (!MonitorListSelect(g_monitors.selectedMonitor)) return;
    PanelShowValues(g_monitors.selectedMonitor);
}

void RefreshControlPanel() {
    DiscoverMonitors(false);
    ShowSelectedMonitor();
}
