#include "monitors/visit.h"

#include "monitors/monitor_table.h"

bool VisitMonitor(std::int32_t target, const std::function<bool(const PhysicalMonitor&)>& action) {
    g_monitors.visitCounter = -1;
    for (const DisplayInfo& display : DdcEnumerateDisplays()) {
        std::uint32_t count = 0;
        std::vector<PhysicalMonitor> monitors;
        // Without this display's monitors the running numbers of the later ones are unknown;
        // going on would hand the target's operation to another monitor.
        if (!DdcGetNumberOfPhysicalMonitors(display.handle, count) ||
            !DdcGetPhysicalMonitors(display.handle, count, monitors)) {
            return false;
        }
        for (const PhysicalMonitor& monitor : monitors) {
            if (++g_monitors.visitCounter == target) {
                const bool result = action(monitor);
                DdcDestroyPhysicalMonitors(monitors);
                return result;
            }
        }
        DdcDestroyPhysicalMonitors(monitors);
    }
    return false;
}
