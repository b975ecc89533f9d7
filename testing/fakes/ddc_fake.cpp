// platform/ddc.h over the simulator. Display handles are the display's position plus one,
// so 0 is never a valid handle.
#include "platform/ddc.h"

#include "testing/sim/sim_model.h"

namespace {

std::int32_t DisplayIndex(DisplayHandle display) { return static_cast<std::int32_t>(display) - 1; }

bool GetRange(PhysicalMonitorHandle monitor, SimRange range, std::uint32_t& minimum, std::uint32_t& current,
              std::uint32_t& maximum) {
    std::uint32_t lo = 0, cur = 0, hi = 0;
    if (!SimGetRange(monitor, range, lo, cur, hi)) {
        return false;
    }
    minimum = lo;
    current = cur;
    maximum = hi;
    return true;
}

SimRange GainRange(GainKind kind) {
    switch (kind) {
        case GainKind::Red: return SimRange::RedGain;
        case GainKind::Green: return SimRange::GreenGain;
        case GainKind::Blue: break;
    }
    return SimRange::BlueGain;
}

}  // namespace

std::vector<DisplayInfo> DdcEnumerateDisplays() {
    std::vector<DisplayInfo> displays;
    const std::vector<SimDisplay>& configured = SimCurrent().displays;
    for (std::size_t i = 0; i < configured.size(); ++i) {
        const SimDisplay& d = configured[i];
        displays.push_back({i + 1, {d.left, d.top, d.right, d.bottom}, d.deviceName});
    }
    return displays;
}

bool DdcGetNumberOfPhysicalMonitors(DisplayHandle display, std::uint32_t& count) {
    return SimGetMonitorCount(DisplayIndex(display), count);
}

bool DdcGetPhysicalMonitors(DisplayHandle display, std::uint32_t count, std::vector<PhysicalMonitor>& monitors) {
    std::vector<SimOpenedMonitor> opened;
    if (!SimOpenMonitors(DisplayIndex(display), count, opened)) {
        return false;
    }
    monitors.clear();
    for (const SimOpenedMonitor& m : opened) {
        monitors.push_back({m.handle, m.description});
    }
    return true;
}

void DdcDestroyPhysicalMonitors(std::vector<PhysicalMonitor>& monitors) {
    std::vector<std::uintptr_t> handles;
    for (const PhysicalMonitor& m : monitors) {
        handles.push_back(m.handle);
    }
    SimCloseMonitors(handles);
}

bool DdcGetVcpFeature(PhysicalMonitorHandle monitor, std::uint8_t code, std::uint32_t& current,
                      std::uint32_t& maximum) {
    std::uint32_t cur = 0, max = 0;
    if (!SimGetVcp(monitor, code, cur, max)) {
        return false;
    }
    current = cur;
    maximum = max;
    return true;
}

bool DdcSetVcpFeature(PhysicalMonitorHandle monitor, std::uint8_t code, std::uint32_t value) {
    return SimSetVcp(monitor, code, value);
}

bool DdcGetBrightness(PhysicalMonitorHandle monitor, std::uint32_t& minimum, std::uint32_t& current,
                      std::uint32_t& maximum) {
    return GetRange(monitor, SimRange::Brightness, minimum, current, maximum);
}

bool DdcSetBrightness(PhysicalMonitorHandle monitor, std::uint32_t value) {
    return SimSetRange(monitor, SimRange::Brightness, value);
}

bool DdcGetContrast(PhysicalMonitorHandle monitor, std::uint32_t& minimum, std::uint32_t& current,
                    std::uint32_t& maximum) {
    return GetRange(monitor, SimRange::Contrast, minimum, current, maximum);
}

bool DdcSetContrast(PhysicalMonitorHandle monitor, std::uint32_t value) {
    return SimSetRange(monitor, SimRange::Contrast, value);
}

bool DdcGetGain(PhysicalMonitorHandle monitor, GainKind kind, std::uint32_t& minimum, std::uint32_t& current,
                std::uint32_t& maximum) {
    return GetRange(monitor, GainRange(kind), minimum, current, maximum);
}

bool DdcSetGain(PhysicalMonitorHandle monitor, GainKind kind, std::uint32_t value) {
    return SimSetRange(monitor, GainRange(kind), value);
}

bool DdcGetCapabilitiesStringLength(PhysicalMonitorHandle monitor, std::uint32_t& length) {
    return SimGetCapabilitiesLength(monitor, length);
}

bool DdcCapabilitiesRequest(PhysicalMonitorHandle monitor, char* buffer, std::uint32_t length) {
    return SimGetCapabilities(monitor, buffer, length);
}

bool DdcSaveCurrentMonitorSettings(PhysicalMonitorHandle monitor) { return SimSaveSettings(monitor); }
