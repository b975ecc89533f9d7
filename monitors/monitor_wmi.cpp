#include "monitors/monitor_wmi.h"

bool ReadWmiMonitorId(MonitorEntry&) {
    return false;
}

bool ReadEdidBlock(const MonitorEntry&, std::array<std::uint8_t, 128>&) {
    return false;
}
