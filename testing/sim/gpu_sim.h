// A model of the graphics drivers' saturation (digital vibrance) per display, for NVIDIA's
// nvapi and AMD's ADL: current/minimum/maximum/default, adapter name, driver version, failure
// injection and a record of every call. Portable; host tests reach it through platform/gpu.h
// (testing/fakes/gpu_fake.cpp), Wine runs through the simulated nvapi.dll and atiadlxx.dll.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "testing/sim/sim_model.h"

enum class SimGpuVendor : std::uint8_t { Nvidia, Amd };

struct SimGpuDisplay {
    SimGpuVendor vendor = SimGpuVendor::Nvidia;
    std::string deviceName;  // "\\.\DISPLAY1"
    std::int32_t current = 0, minimum = 0, maximum = 0, defaultValue = 0;
    std::string driverVersion;  // NVIDIA: the driver's number, e.g. 53141
    std::string adapterName;
};

// Failure rules name a vendor function (NvAPI_SetDVCLevelEx, ADL_Display_Color_Set, ...) and
// match `display`, the position among the gpu lines; monitor is not used.
struct SimGpuConfig {
    std::vector<SimGpuDisplay> displays;
    std::vector<SimFailureRule> failures;
};

struct SimGpuCall {
    std::string operation;  // the vendor function's name
    std::int32_t display = -1;
    std::int32_t valueIn = 0;  // level or colour written
    std::int32_t current = 0;  // level or colour read
    std::int32_t status = 0;
};

void SimGpuLoad(const SimGpuConfig& config);
void SimGpuReset();  // no displays, no calls
SimGpuConfig& SimGpuCurrent();
const std::vector<SimGpuCall>& SimGpuCalls();
void SimGpuSetCallObserver(void (*observer)(const SimGpuCall&));
// "NvAPI_SetDVCLevelEx display=0 in=40 cur=0 status=0"
std::string SimGpuFormatCall(const SimGpuCall& call);

inline constexpr std::int32_t kSimNvidiaNotFound = -6;  // NVAPI_NVIDIA_DEVICE_NOT_FOUND
inline constexpr std::int32_t kSimNvidiaError = -1;
inline constexpr std::int32_t kSimAdlError = -1;

// NVIDIA; handles are the display's position plus one.
std::int32_t SimNvInitialize();
// The index-th NVIDIA display; -7 (end of enumeration) past the last.
std::int32_t SimNvEnumDisplay(std::uint32_t index, std::uintptr_t& handle);
std::int32_t SimNvDisplayHandle(const std::string& deviceName, std::uintptr_t& handle);
std::int32_t SimNvGetVibrance(std::uintptr_t handle, std::int32_t& current, std::int32_t& minimum,
                              std::int32_t& maximum, std::int32_t& defaultValue);
std::int32_t SimNvSetVibrance(std::uintptr_t handle, std::int32_t level);
std::int32_t SimNvDriverVersion(std::uintptr_t handle, std::uint32_t& version, std::string& adapterName);

// AMD: one adapter per AMD display, indexed by its position among the AMD displays, with one
// display (logical index 0) connected and mapped.
std::int32_t SimAdlCreate();
std::int32_t SimAdlDestroy();
std::int32_t SimAdlAdapterCount(std::int32_t& count);
// The AMD displays in adapter order; fails when count is not the adapter count.
std::int32_t SimAdlAdapters(std::int32_t count, std::vector<const SimGpuDisplay*>& adapters);
std::int32_t SimAdlDisplayCount(std::int32_t adapter, std::int32_t& count);
std::int32_t SimAdlColourCaps(std::int32_t adapter, std::int32_t display, std::int32_t& caps, std::int32_t& valid);
std::int32_t SimAdlColour(std::int32_t adapter, std::int32_t display, std::int32_t type, std::int32_t& current,
                          std::int32_t& defaultValue, std::int32_t& minimum, std::int32_t& maximum);
std::int32_t SimAdlSetColour(std::int32_t adapter, std::int32_t display, std::int32_t type, std::int32_t value);
