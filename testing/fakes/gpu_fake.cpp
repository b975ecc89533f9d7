// platform/gpu.h over the GPU simulator.
#include "testing/fakes/gpu_fake.h"

#include "testing/sim/gpu_sim.h"

namespace {

FakeGpuLibraries g_libraries;

}  // namespace

void FakeGpuReset() {
    g_libraries = {};
    SimGpuReset();
}

void FakeGpuSetLibraries(const FakeGpuLibraries& libraries) { g_libraries = libraries; }

bool GpuNvidiaHasEntry(NvidiaEntry entry) {
    return g_libraries.nvidia && (g_libraries.nvidiaMissing >> static_cast<int>(entry) & 1u) == 0;
}

bool GpuAmdHasEntry(int index) { return g_libraries.amd && (g_libraries.amdMissing >> index & 1u) == 0; }

std::int32_t GpuNvidiaInitialize() { return SimNvInitialize(); }
std::int32_t GpuAmdCreate() { return SimAdlCreate(); }
void GpuAmdDestroy() { SimAdlDestroy(); }
void GpuAmdFree() { g_libraries.amd = false; }

std::int32_t GpuNvidiaDisplayHandle(const std::string& displayName, NvidiaDisplay& display) {
    return SimNvDisplayHandle(displayName, display);
}

std::int32_t GpuNvidiaGetVibrance(NvidiaDisplay display, GpuVibrance& vibrance) {
    GpuVibrance read;
    const std::int32_t status = SimNvGetVibrance(display, read.current, read.minimum, read.maximum, read.defaultValue);
    if (status == 0) vibrance = read;
    return status;
}

std::int32_t GpuNvidiaSetVibrance(NvidiaDisplay display, const GpuVibrance& vibrance) {
    return SimNvSetVibrance(display, vibrance.current);
}

std::int32_t GpuNvidiaAdapterName(NvidiaDisplay display, std::string& adapterName) {
    std::uint32_t version = 0;
    return SimNvDriverVersion(display, version, adapterName);
}

std::int32_t GpuAmdAdapterCount(std::int32_t& count) { return SimAdlAdapterCount(count); }

std::int32_t GpuAmdAdapters(std::int32_t count, std::vector<AmdAdapter>& adapters) {
    std::vector<const SimGpuDisplay*> simulated;
    const std::int32_t status = SimAdlAdapters(count, simulated);
    if (status != 0) return status;
    adapters.clear();
    for (std::size_t i = 0; i < simulated.size(); ++i) {
        adapters.push_back({static_cast<std::int32_t>(i), simulated[i]->deviceName, simulated[i]->adapterName});
    }
    return 0;
}

std::int32_t GpuAmdDisplays(std::int32_t adapterIndex, std::vector<AmdDisplay>& displays) {
    std::int32_t count = 0;
    const std::int32_t status = SimAdlDisplayCount(adapterIndex, count);
    if (status != 0) return status;
    displays.assign(static_cast<std::size_t>(count), {0, adapterIndex, 3});
    return 0;
}

std::int32_t GpuAmdColourCaps(std::int32_t adapterIndex, std::int32_t displayIndex, std::int32_t& caps,
                              std::int32_t& valid) {
    return SimAdlColourCaps(adapterIndex, displayIndex, caps, valid);
}

std::int32_t GpuAmdColour(std::int32_t adapterIndex, std::int32_t displayIndex, std::int32_t type, AmdColour& colour) {
    return SimAdlColour(adapterIndex, displayIndex, type, colour.current, colour.defaultValue, colour.minimum,
                        colour.maximum);
}

std::int32_t GpuAmdSetColour(std::int32_t adapterIndex, std::int32_t displayIndex, std::int32_t type,
                             std::int32_t value) {
    return SimAdlSetColour(adapterIndex, displayIndex, type, value);
}
