// The simulated nvapi.dll: nvapi_QueryInterface hands out the entries the program asks for by
// interface id, answered by the GPU model (testing/sim/gpu_sim.h). Any other id gives null,
// as the real library does for ids it does not know.
#include <windows.h>

#include <cstring>

#include "platform/gpu_api.h"
#include "testing/sim/gpu_dll_win32.h"
#include "testing/sim/gpu_sim.h"

namespace {

constexpr int kInvalidArgument = -5;
constexpr int kIncompatibleStructVersion = -9;

std::uintptr_t Simulated(NvDisplayHandle display) { return reinterpret_cast<std::uintptr_t>(display); }

int __cdecl Initialize() { return SimNvInitialize(); }

int __cdecl GetDvcInfoEx(NvDisplayHandle display, std::uint32_t outputId, NvDvcInfoEx* info) {
    if (info == nullptr || outputId != 0) return kInvalidArgument;
    if (info->version != kNvDvcInfoExVersion) return kIncompatibleStructVersion;
    return SimNvGetVibrance(Simulated(display), info->currentLevel, info->minLevel, info->maxLevel, info->defaultLevel);
}

int __cdecl SetDvcLevelEx(NvDisplayHandle display, std::uint32_t outputId, NvDvcInfoEx* info) {
    if (info == nullptr || outputId != 0) return kInvalidArgument;
    if (info->version != kNvDvcInfoExVersion) return kIncompatibleStructVersion;
    return SimNvSetVibrance(Simulated(display), info->currentLevel);
}

int __cdecl EnumDisplayHandle(std::uint32_t index, NvDisplayHandle* display) {
    std::uintptr_t handle = 0;
    if (display == nullptr) return kInvalidArgument;
    const int status = SimNvEnumDisplay(index, handle);
    if (status == 0) *display = reinterpret_cast<NvDisplayHandle>(handle);
    return status;
}

int __cdecl GetAssociatedDisplayHandle(const char* displayName, NvDisplayHandle* display) {
    std::uintptr_t handle = 0;
    if (displayName == nullptr || display == nullptr) return kInvalidArgument;
    const int status = SimNvDisplayHandle(displayName, handle);
    if (status == 0) *display = reinterpret_cast<NvDisplayHandle>(handle);
    return status;
}

int __cdecl GetDisplayDriverVersion(NvDisplayHandle display, NvDisplayDriverVersion* version) {
    if (version == nullptr) return kInvalidArgument;
    if (version->version != kNvDisplayDriverVersionVersion) return kIncompatibleStructVersion;
    std::string adapterName;
    const int status = SimNvDriverVersion(Simulated(display), version->driverVersion, adapterName);
    if (status == 0) {
        std::memset(version->adapterName, 0, sizeof version->adapterName);
        adapterName.copy(version->adapterName, sizeof version->adapterName - 1);
    }
    return status;
}

}  // namespace

extern "C" void* __cdecl nvapi_QueryInterface(std::uint32_t interfaceId) {
    GpuDllEnsureLoaded();
    void* const entries[] = {reinterpret_cast<void*>(Initialize),       reinterpret_cast<void*>(GetDvcInfoEx),
                             reinterpret_cast<void*>(SetDvcLevelEx),    reinterpret_cast<void*>(EnumDisplayHandle),
                             reinterpret_cast<void*>(GetAssociatedDisplayHandle),
                             reinterpret_cast<void*>(GetDisplayDriverVersion)};
    for (std::size_t i = 0; i < std::size(kNvapiInterfaceIds); ++i) {
        if (kNvapiInterfaceIds[i] == interfaceId) return entries[i];
    }
    return nullptr;
}
