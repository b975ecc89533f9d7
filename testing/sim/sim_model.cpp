#include "testing/sim/sim_model.h"

#include <cstdio>
#include <cstring>
#include <random>

#include "platform/clock.h"
#include "testing/sim/sim_config.h"

namespace {

constexpr const char* kDestroy = "DestroyPhysicalMonitors";

struct OpenHandle {
    std::int32_t display = 0;
    std::int32_t slot = 0;
};

struct SimWorld {
    SimConfig config;
    std::map<std::uintptr_t, OpenHandle> handles;
    // Never reused within a process, so a stale handle cannot reach a monitor by accident.
    std::uintptr_t nextHandle = 0x1000;
    std::vector<SimTransaction> record;
    std::mt19937 random;
    void (*transactionObserver)(const SimTransaction&) = nullptr;
    void (*changeObserver)() = nullptr;
};

SimWorld& World() {
    static SimWorld world = [] {
        SimWorld w;
        w.config = SimDefaultConfig();
        w.random.seed(w.config.failureSeed);
        return w;
    }();
    return world;
}

struct RangeCode {
    const char* getName;
    const char* setName;
    std::uint8_t vcp;
    std::int32_t recordedCode;  // the gain kind for gains, as the call passes it
};

const RangeCode kRangeCodes[] = {
    {"GetMonitorBrightness", "SetMonitorBrightness", 0x10, 0x10},
    {"GetMonitorContrast", "SetMonitorContrast", 0x12, 0x12},
    {"GetMonitorRedGreenOrBlueGain", "SetMonitorRedGreenOrBlueGain", 0x16, 0},
    {"GetMonitorRedGreenOrBlueGain", "SetMonitorRedGreenOrBlueGain", 0x18, 1},
    {"GetMonitorRedGreenOrBlueGain", "SetMonitorRedGreenOrBlueGain", 0x1A, 2},
};

std::int32_t RunningNumber(std::int32_t display, std::int32_t slot) {
    std::int32_t number = slot;
    for (std::int32_t d = 0; d < display; ++d) {
        number += static_cast<std::int32_t>(World().config.displays[d].monitors.size());
    }
    return number;
}

bool ShouldFail(const SimTransaction& t) {
    SimWorld& w = World();
    for (auto rule = w.config.failures.begin(); rule != w.config.failures.end(); ++rule) {
        const bool operationMatches =
            rule->operation.empty() ? t.operation != kDestroy : rule->operation == t.operation;
        const bool spent = !rule->always && rule->count == 0;
        if (!operationMatches || spent || (rule->display >= 0 && rule->display != t.display) ||
            (rule->monitor >= 0 && rule->monitor != t.monitor)) {
            continue;
        }
        if (!rule->always && --rule->count == 0) {
            w.config.failures.erase(rule);
        }
        return true;
    }
    if (w.config.failureProbability > 0 && t.operation != kDestroy) {
        return static_cast<double>(w.random()) < w.config.failureProbability * 4294967296.0;
    }
    return false;
}

void Spend(std::uint32_t milliseconds) {
    if (milliseconds > 0) {
        ClockSleep(milliseconds);
    }
}

bool Finish(SimTransaction& t, bool ok) {
    SimWorld& w = World();
    t.ok = ok;
    t.tick = ClockTickCount();
    w.record.push_back(t);
    if (w.transactionObserver) {
        w.transactionObserver(t);
    }
    return ok;
}

// Records a successful call that changed the monitor and tells the observer.
bool Changed(SimTransaction& t) {
    Finish(t, true);
    if (World().changeObserver) {
        World().changeObserver();
    }
    return true;
}

SimDisplay* DisplayAt(std::int32_t display) {
    auto& displays = World().config.displays;
    return display >= 0 && static_cast<std::size_t>(display) < displays.size() ? &displays[display] : nullptr;
}

// The monitor behind an open handle; fills the transaction's display and running number.
// A test may have removed the monitor since the handle was opened: then there is none.
SimMonitor* Resolve(std::uintptr_t handle, SimTransaction& t) {
    const auto found = World().handles.find(handle);
    SimDisplay* display = found == World().handles.end() ? nullptr : DisplayAt(found->second.display);
    if (!display || static_cast<std::size_t>(found->second.slot) >= display->monitors.size()) {
        return nullptr;
    }
    t.display = found->second.display;
    t.monitor = RunningNumber(found->second.display, found->second.slot);
    return &display->monitors[found->second.slot];
}

SimVcp* Supported(SimMonitor* monitor, std::uint8_t code) {
    if (!monitor) {
        return nullptr;
    }
    const auto found = monitor->vcp.find(code);
    return found == monitor->vcp.end() ? nullptr : &found->second;
}

// The bus carries 16-bit values; a monitor clamps what exceeds its maximum.
std::uint32_t Stored(std::uint32_t value, const SimVcp& vcp) {
    const std::uint32_t wire = value & 0xFFFF;
    return vcp.maximum != 0 && wire > vcp.maximum ? vcp.maximum : wire;
}

void RestoreFactoryValues(SimMonitor& monitor) {
    for (auto& [code, vcp] : monitor.vcp) {
        if (!vcp.readOnly) {
            vcp.current = vcp.factory;
        }
    }
}

enum class Bus { Reply, Write, Capabilities };

// The part every monitor call shares: the handle, the time on the bus and failure injection.
// nullptr when the call fails there; the caller records the failure.
SimMonitor* Exchange(std::uintptr_t handle, SimTransaction& t, Bus bus) {
    SimMonitor* monitor = Resolve(handle, t);
    if (!monitor) {
        return nullptr;
    }
    const SimLatencies& latencies = World().config.latencies;
    if (bus == Bus::Capabilities && monitor->capabilities.empty()) {
        Spend(latencies.reply);
        return nullptr;
    }
    const auto capsBytes = static_cast<std::uint32_t>(monitor->capabilities.size() + 1);
    Spend(bus == Bus::Reply   ? latencies.reply
          : bus == Bus::Write ? latencies.write
                              : (capsBytes + 31) / 32 * latencies.capsFragment);
    return ShouldFail(t) ? nullptr : monitor;
}

}  // namespace

void SimLoad(const SimConfig& config) {
    SimWorld& w = World();
    w.config = config;
    w.handles.clear();
    w.record.clear();
    w.random.seed(config.failureSeed);
}

void SimReset() { SimLoad(SimDefaultConfig()); }

SimConfig& SimCurrent() { return World().config; }

bool SimGetMonitorCount(std::int32_t display, std::uint32_t& count) {
    SimTransaction t{.operation = "GetNumberOfPhysicalMonitorsFromHMONITOR", .display = display};
    const SimDisplay* d = DisplayAt(display);
    if (!d) {
        return Finish(t, false);
    }
    Spend(World().config.latencies.enumerate);
    if (ShouldFail(t)) {
        return Finish(t, false);
    }
    count = t.current = static_cast<std::uint32_t>(d->monitors.size());
    return Finish(t, true);
}

bool SimOpenMonitors(std::int32_t display, std::uint32_t count, std::vector<SimOpenedMonitor>& monitors) {
    SimTransaction t{.operation = "GetPhysicalMonitorsFromHMONITOR", .display = display, .valueIn = count};
    const SimDisplay* d = DisplayAt(display);
    if (!d || count != d->monitors.size()) {
        return Finish(t, false);
    }
    Spend(World().config.latencies.enumerate);
    if (ShouldFail(t)) {
        return Finish(t, false);
    }
    monitors.clear();
    for (std::int32_t slot = 0; slot < static_cast<std::int32_t>(count); ++slot) {
        const std::uintptr_t handle = World().nextHandle;
        World().nextHandle += 0x10;
        World().handles[handle] = {display, slot};
        monitors.push_back({handle, d->monitors[slot].description});
    }
    t.current = count;
    return Finish(t, true);
}

bool SimCloseMonitors(const std::vector<std::uintptr_t>& handles) {
    SimTransaction t{.operation = kDestroy, .valueIn = static_cast<std::uint32_t>(handles.size())};
    bool allOpen = true;
    for (std::size_t i = 0; i < handles.size(); ++i) {
        SimTransaction probe;
        const bool open = Resolve(handles[i], probe) != nullptr;
        if (open && t.display < 0) {
            t.display = probe.display;
        }
        allOpen = allOpen && open;
        World().handles.erase(handles[i]);
    }
    return Finish(t, allOpen && !ShouldFail(t));
}

bool SimGetVcp(std::uintptr_t handle, std::uint8_t code, std::uint32_t& current, std::uint32_t& maximum) {
    SimTransaction t{.operation = "GetVCPFeatureAndVCPFeatureReply", .code = code};
    const SimVcp* vcp = Supported(Exchange(handle, t, Bus::Reply), code);
    if (!vcp) {
        return Finish(t, false);
    }
    current = t.current = vcp->current;
    maximum = t.maximum = vcp->maximum;
    return Finish(t, true);
}

bool SimSetVcp(std::uintptr_t handle, std::uint8_t code, std::uint32_t value) {
    SimTransaction t{.operation = "SetVCPFeature", .code = code, .valueIn = value};
    SimMonitor* monitor = Exchange(handle, t, Bus::Write);
    SimVcp* vcp = Supported(monitor, code);
    if (!vcp || vcp->readOnly) {
        return Finish(t, false);
    }
    vcp->current = t.current = Stored(value, *vcp);
    if (code == 0x04 && t.current != 0) {
        RestoreFactoryValues(*monitor);
    }
    return Changed(t);
}

bool SimGetRange(std::uintptr_t handle, SimRange range, std::uint32_t& minimum, std::uint32_t& current,
                 std::uint32_t& maximum) {
    const RangeCode& rc = kRangeCodes[static_cast<int>(range)];
    SimTransaction t{.operation = rc.getName, .code = rc.recordedCode};
    const SimVcp* vcp = Supported(Exchange(handle, t, Bus::Reply), rc.vcp);
    if (!vcp) {
        return Finish(t, false);
    }
    minimum = t.minimum = vcp->minimum;
    current = t.current = vcp->current;
    maximum = t.maximum = vcp->maximum;
    return Finish(t, true);
}

bool SimSetRange(std::uintptr_t handle, SimRange range, std::uint32_t value) {
    const RangeCode& rc = kRangeCodes[static_cast<int>(range)];
    SimTransaction t{.operation = rc.setName, .code = rc.recordedCode, .valueIn = value};
    SimVcp* vcp = Supported(Exchange(handle, t, Bus::Write), rc.vcp);
    // Unlike a raw VCP write, these calls refuse a value outside the range they report.
    if (!vcp || vcp->readOnly || value < vcp->minimum || value > vcp->maximum) {
        return Finish(t, false);
    }
    vcp->current = t.current = value;
    return Changed(t);
}

bool SimGetCapabilitiesLength(std::uintptr_t handle, std::uint32_t& length) {
    SimTransaction t{.operation = "GetCapabilitiesStringLength"};
    const SimMonitor* monitor = Exchange(handle, t, Bus::Capabilities);
    if (!monitor) {
        return Finish(t, false);
    }
    length = t.current = static_cast<std::uint32_t>(monitor->capabilities.size() + 1);
    return Finish(t, true);
}

bool SimGetCapabilities(std::uintptr_t handle, char* buffer, std::uint32_t length) {
    SimTransaction t{.operation = "CapabilitiesRequestAndCapabilitiesReply", .valueIn = length};
    const SimMonitor* monitor = Exchange(handle, t, Bus::Capabilities);
    if (!monitor || buffer == nullptr || length < monitor->capabilities.size() + 1) {
        return Finish(t, false);
    }
    t.current = static_cast<std::uint32_t>(monitor->capabilities.size() + 1);
    std::memcpy(buffer, monitor->capabilities.c_str(), t.current);
    return Finish(t, true);
}

bool SimSaveSettings(std::uintptr_t handle) {
    SimTransaction t{.operation = "SaveCurrentMonitorSettings"};
    SimMonitor* monitor = Exchange(handle, t, Bus::Write);
    if (!monitor) {
        return Finish(t, false);
    }
    t.current = ++monitor->savedCount;
    return Changed(t);
}

void SimFailNext(std::uint32_t count, const std::string& operation, std::int32_t monitor) {
    if (count > 0) {
        World().config.failures.push_back({.operation = operation, .monitor = monitor, .count = count});
    }
}

void SimFailAlways(const std::string& operation, std::int32_t display, std::int32_t monitor) {
    World().config.failures.push_back({.operation = operation, .display = display, .monitor = monitor, .always = true});
}

void SimSetFailureProbability(double probability, std::uint32_t seed) {
    World().config.failureProbability = probability;
    World().config.failureSeed = seed;
    World().random.seed(seed);
}

void SimClearFailures() {
    World().config.failures.clear();
    World().config.failureProbability = 0;
}

std::size_t SimOpenHandleCount() { return World().handles.size(); }

SimMonitor* SimMonitorAt(std::int32_t index) {
    if (index < 0) {
        return nullptr;
    }
    for (SimDisplay& display : World().config.displays) {
        if (static_cast<std::size_t>(index) < display.monitors.size()) {
            return &display.monitors[index];
        }
        index -= static_cast<std::int32_t>(display.monitors.size());
    }
    return nullptr;
}

const std::vector<SimTransaction>& SimTransactions() { return World().record; }

void SimClearTransactions() { World().record.clear(); }

int SimTransactionCount(const std::string& operation, std::int32_t monitor, std::int32_t code) {
    int count = 0;
    for (const SimTransaction& t : World().record) {
        count += t.operation == operation && (monitor < 0 || t.monitor == monitor) && (code < 0 || t.code == code);
    }
    return count;
}

void SimSetTransactionObserver(void (*observer)(const SimTransaction&)) { World().transactionObserver = observer; }

void SimSetChangeObserver(void (*observer)()) { World().changeObserver = observer; }

std::string SimFormatTransaction(const SimTransaction& t) {
    char code[16] = "-";  // sized for any int: the optimiser cannot tell that codes fit one byte
    if (t.code >= 0) {
        std::snprintf(code, sizeof code, "0x%02X", static_cast<unsigned>(t.code));
    }
    char line[256];
    std::snprintf(line, sizeof line, "%u %s display=%d monitor=%d code=%s in=%u min=%u cur=%u max=%u %s",
                  static_cast<unsigned>(t.tick), t.operation.c_str(), static_cast<int>(t.display),
                  static_cast<int>(t.monitor), code, static_cast<unsigned>(t.valueIn),
                  static_cast<unsigned>(t.minimum), static_cast<unsigned>(t.current),
                  static_cast<unsigned>(t.maximum), t.ok ? "ok" : "fail");
    return line;
}
