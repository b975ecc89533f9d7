#include "testing/sim/gpu_sim.h"

#include <cstdlib>

namespace {

// The colour types the simulated AMD displays offer besides saturation: brightness, contrast, hue.
constexpr std::int32_t kAdlOtherColours = 1 | 2 | 8;
constexpr std::int32_t kAdlSaturation = 4;
constexpr std::int32_t kNvidiaInvalidArgument = -5;
constexpr std::int32_t kNvidiaEndOfEnumeration = -7;

struct GpuWorld {
    SimGpuConfig config;
    std::vector<SimGpuCall> record;
    bool adlCreated = false;
    void (*observer)(const SimGpuCall&) = nullptr;
};

GpuWorld& World() {
    static GpuWorld world;
    return world;
}

std::vector<SimGpuDisplay>& Displays() { return World().config.displays; }

bool ShouldFail(const SimGpuCall& call) {
    auto& failures = World().config.failures;
    for (auto rule = failures.begin(); rule != failures.end(); ++rule) {
        const bool matches = (rule->operation.empty() || rule->operation == call.operation) &&
                             (rule->always || rule->count > 0) && (rule->display < 0 || rule->display == call.display);
        if (!matches) continue;
        if (!rule->always && --rule->count == 0) failures.erase(rule);
        return true;
    }
    return false;
}

std::int32_t Finish(SimGpuCall call, std::int32_t status) {
    call.status = status;
    World().record.push_back(call);
    if (World().observer) World().observer(call);
    return status;
}

// Runs work unless an injected failure answers first with failStatus.
template <typename Work>
std::int32_t Call(const char* operation, std::int32_t display, std::int32_t valueIn, std::int32_t failStatus, Work work) {
    SimGpuCall call{operation, display, valueIn};
    if (ShouldFail(call)) return Finish(call, failStatus);
    const std::int32_t status = work(call);
    return Finish(call, status);
}

std::int32_t Count(SimGpuVendor vendor) {
    std::int32_t count = 0;
    for (const SimGpuDisplay& display : Displays()) count += display.vendor == vendor;
    return count;
}

SimGpuDisplay* NvidiaAt(std::uintptr_t handle) {
    const std::size_t index = handle - 1;
    return handle != 0 && index < Displays().size() && Displays()[index].vendor == SimGpuVendor::Nvidia
               ? &Displays()[index]
               : nullptr;
}

std::int32_t NvidiaIndex(std::uintptr_t handle) { return NvidiaAt(handle) ? static_cast<std::int32_t>(handle - 1) : -1; }

// Position in the configuration of the adapter-th AMD display; -1 when there is none.
std::int32_t AmdIndex(std::int32_t adapter) {
    for (std::size_t i = 0; i < Displays().size(); ++i) {
        if (Displays()[i].vendor == SimGpuVendor::Amd && adapter-- == 0) return static_cast<std::int32_t>(i);
    }
    return -1;
}

bool HasSaturation(const SimGpuDisplay& display) { return display.maximum != display.minimum; }

}  // namespace

void SimGpuLoad(const SimGpuConfig& config) {
    World().config = config;
    World().record.clear();
    World().adlCreated = false;
}

void SimGpuReset() { SimGpuLoad({}); }
SimGpuConfig& SimGpuCurrent() { return World().config; }
const std::vector<SimGpuCall>& SimGpuCalls() { return World().record; }
void SimGpuSetCallObserver(void (*observer)(const SimGpuCall&)) { World().observer = observer; }

std::string SimGpuFormatCall(const SimGpuCall& call) {
    return call.operation + " display=" + std::to_string(call.display) + " in=" + std::to_string(call.valueIn) +
           " cur=" + std::to_string(call.current) + " status=" + std::to_string(call.status);
}

std::int32_t SimNvInitialize() {
    return Call("NvAPI_Initialize", -1, 0, kSimNvidiaError,
                [](SimGpuCall&) { return Count(SimGpuVendor::Nvidia) > 0 ? 0 : kSimNvidiaNotFound; });
}

std::int32_t SimNvEnumDisplay(std::uint32_t index, std::uintptr_t& handle) {
    return Call("NvAPI_EnumNvidiaDisplayHandle", -1, static_cast<std::int32_t>(index), kSimNvidiaError, [&](SimGpuCall& call) {
        for (std::size_t i = 0; i < Displays().size(); ++i) {
            if (Displays()[i].vendor != SimGpuVendor::Nvidia || index-- != 0) continue;
            call.display = static_cast<std::int32_t>(i);
            handle = i + 1;
            return 0;
        }
        return kNvidiaEndOfEnumeration;
    });
}

std::int32_t SimNvDisplayHandle(const std::string& deviceName, std::uintptr_t& handle) {
    std::int32_t index = -1;
    for (std::size_t i = 0; i < Displays().size(); ++i) {
        const SimGpuDisplay& display = Displays()[i];
        if (display.vendor == SimGpuVendor::Nvidia && display.deviceName == deviceName) index = static_cast<std::int32_t>(i);
    }
    return Call("NvAPI_GetAssociatedNvidiaDisplayHandle", index, 0, kSimNvidiaError, [&](SimGpuCall&) {
        if (index < 0) return kSimNvidiaNotFound;
        handle = static_cast<std::uintptr_t>(index) + 1;
        return 0;
    });
}

std::int32_t SimNvGetVibrance(std::uintptr_t handle, std::int32_t& current, std::int32_t& minimum,
                              std::int32_t& maximum, std::int32_t& defaultValue) {
    return Call("NvAPI_GetDVCInfoEx", NvidiaIndex(handle), 0, kSimNvidiaError, [&](SimGpuCall& call) {
        const SimGpuDisplay* display = NvidiaAt(handle);
        if (!display) return kNvidiaInvalidArgument;
        call.current = current = display->current;
        minimum = display->minimum;
        maximum = display->maximum;
        defaultValue = display->defaultValue;
        return 0;
    });
}

std::int32_t SimNvSetVibrance(std::uintptr_t handle, std::int32_t level) {
    return Call("NvAPI_SetDVCLevelEx", NvidiaIndex(handle), level, kSimNvidiaError, [&](SimGpuCall& call) {
        SimGpuDisplay* display = NvidiaAt(handle);
        if (!display || level < display->minimum || level > display->maximum) return kNvidiaInvalidArgument;
        call.current = display->current = level;
        return 0;
    });
}

std::int32_t SimNvDriverVersion(std::uintptr_t handle, std::uint32_t& version, std::string& adapterName) {
    return Call("NvAPI_GetDisplayDriverVersion", NvidiaIndex(handle), 0, kSimNvidiaError, [&](SimGpuCall&) {
        const SimGpuDisplay* display = NvidiaAt(handle);
        if (!display) return kNvidiaInvalidArgument;
        version = static_cast<std::uint32_t>(std::strtoul(display->driverVersion.c_str(), nullptr, 10));
        adapterName = display->adapterName;
        return 0;
    });
}

std::int32_t SimAdlCreate() {
    return Call("ADL_Main_Control_Create", -1, 0, kSimAdlError, [](SimGpuCall&) {
        World().adlCreated = Count(SimGpuVendor::Amd) > 0;
        return World().adlCreated ? 0 : kSimAdlError;
    });
}

std::int32_t SimAdlDestroy() {
    return Call("ADL_Main_Control_Destroy", -1, 0, kSimAdlError, [](SimGpuCall&) {
        const bool created = World().adlCreated;
        World().adlCreated = false;
        return created ? 0 : kSimAdlError;
    });
}

std::int32_t SimAdlAdapterCount(std::int32_t& count) {
    return Call("ADL_Adapter_NumberOfAdapters_Get", -1, 0, kSimAdlError, [&](SimGpuCall& call) {
        if (!World().adlCreated) return kSimAdlError;
        call.current = count = Count(SimGpuVendor::Amd);
        return 0;
    });
}

std::int32_t SimAdlAdapters(std::int32_t count, std::vector<const SimGpuDisplay*>& adapters) {
    return Call("ADL_Adapter_AdapterInfo_Get", -1, count, kSimAdlError, [&](SimGpuCall&) {
        if (!World().adlCreated || count != Count(SimGpuVendor::Amd)) return kSimAdlError;
        adapters.clear();
        for (std::int32_t adapter = 0; adapter < count; ++adapter) adapters.push_back(&Displays()[AmdIndex(adapter)]);
        return 0;
    });
}

std::int32_t SimAdlDisplayCount(std::int32_t adapter, std::int32_t& count) {
    return Call("ADL_Display_DisplayInfo_Get", AmdIndex(adapter), 0, kSimAdlError, [&](SimGpuCall& call) {
        if (!World().adlCreated || AmdIndex(adapter) < 0) return kSimAdlError;
        call.current = count = 1;
        return 0;
    });
}

std::int32_t SimAdlColourCaps(std::int32_t adapter, std::int32_t display, std::int32_t& caps, std::int32_t& valid) {
    const std::int32_t index = display == 0 ? AmdIndex(adapter) : -1;
    return Call("ADL_Display_ColorCaps_Get", index, 0, kSimAdlError, [&](SimGpuCall& call) {
        if (!World().adlCreated || index < 0) return kSimAdlError;
        caps = valid = kAdlOtherColours | (HasSaturation(Displays()[index]) ? kAdlSaturation : 0);
        call.current = caps;
        return 0;
    });
}

std::int32_t SimAdlColour(std::int32_t adapter, std::int32_t display, std::int32_t type, std::int32_t& current,
                          std::int32_t& defaultValue, std::int32_t& minimum, std::int32_t& maximum) {
    const std::int32_t index = display == 0 ? AmdIndex(adapter) : -1;
    return Call("ADL_Display_Color_Get", index, type, kSimAdlError, [&](SimGpuCall& call) {
        if (!World().adlCreated || index < 0 || type != kAdlSaturation || !HasSaturation(Displays()[index])) {
            return kSimAdlError;
        }
        const SimGpuDisplay& d = Displays()[index];
        call.current = current = d.current;
        defaultValue = d.defaultValue;
        minimum = d.minimum;
        maximum = d.maximum;
        return 0;
    });
}

std::int32_t SimAdlSetColour(std::int32_t adapter, std::int32_t display, std::int32_t type, std::int32_t value) {
    const std::int32_t index = display == 0 ? AmdIndex(adapter) : -1;
    return Call("ADL_Display_Color_Set", index, value, kSimAdlError, [&](SimGpuCall& call) {
        if (!World().adlCreated || index < 0 || type != kAdlSaturation) return kSimAdlError;
        SimGpuDisplay& d = Displays()[index];
        if (!HasSaturation(d) || value < d.minimum || value > d.maximum) return kSimAdlError;
        call.current = d.current = value;
        return 0;
    });
}
