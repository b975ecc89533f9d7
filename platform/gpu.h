// GPU vendor libraries seam: the colour saturation (digital vibrance) that NVIDIA's nvapi.dll
// and AMD's ADL (atiadlxx.dll or atiadlxy.dll) keep per display. Windows: gpu_win32.cpp over
// the entries optional_api.h loads; host tests: the GPU simulator (testing/fakes/gpu_fake.cpp).
// Calls return the library's status, 0 for success; outputs are untouched on failure.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// nvapi.dll's entries in the order they are asked for by interface id.
enum class NvidiaEntry : std::uint8_t {
    Initialize, GetDvcInfoEx, SetDvcLevelEx, EnumDisplayHandle, GetAssociatedDisplayHandle, GetDisplayDriverVersion
};
inline constexpr int kNvidiaEntryCount = 6;
// The ADL exports saturation control needs.
inline constexpr int kAmdEntryCount = 8;

// False when the library did not load or does not answer the entry.
bool GpuNvidiaHasEntry(NvidiaEntry entry);
bool GpuAmdHasEntry(int index);
std::int32_t GpuNvidiaInitialize();
// ADL_Main_Control_Create with an allocation callback, for connected adapters only.
std::int32_t GpuAmdCreate();
void GpuAmdDestroy();
// Frees the AMD library; nothing may call into it afterwards.
void GpuAmdFree();

using NvidiaDisplay = std::uintptr_t;

// The digital-vibrance block as nvapi reads and writes it; version names the block's layout.
struct GpuVibrance {
    std::int32_t version = 0x10014;
    std::int32_t current = 0, minimum = 0, maximum = 0, defaultValue = 0;
};

// displayName: "\\.\DISPLAY1", 8-bit.
std::int32_t GpuNvidiaDisplayHandle(const std::string& displayName, NvidiaDisplay& display);
std::int32_t GpuNvidiaGetVibrance(NvidiaDisplay display, GpuVibrance& vibrance);
std::int32_t GpuNvidiaSetVibrance(NvidiaDisplay display, const GpuVibrance& vibrance);
// The adapter string of the driver-version record.
std::int32_t GpuNvidiaAdapterName(NvidiaDisplay display, std::string& adapterName);

struct AmdAdapter {
    std::int32_t index = 0;
    std::string displayName;  // "\\.\DISPLAY1"
    std::string adapterName;
};

struct AmdDisplay {
    std::int32_t logicalIndex = 0;
    std::int32_t logicalAdapterIndex = 0;
    std::int32_t infoValue = 0;  // bit 0 connected, bit 1 mapped
};

struct AmdColour {
    std::int32_t current = 0, defaultValue = 0, minimum = 0, maximum = 0;
};

inline constexpr std::int32_t kAmdColourSaturation = 4;

std::int32_t GpuAmdAdapterCount(std::int32_t& count);
std::int32_t GpuAmdAdapters(std::int32_t count, std::vector<AmdAdapter>& adapters);
std::int32_t GpuAmdDisplays(std::int32_t adapterIndex, std::vector<AmdDisplay>& displays);
// caps: the colour types the display supports, valid: those whose caps bit is meaningful.
std::int32_t GpuAmdColourCaps(std::int32_t adapterIndex, std::int32_t displayIndex, std::int32_t& caps,
                              std::int32_t& valid);
std::int32_t GpuAmdColour(std::int32_t adapterIndex, std::int32_t displayIndex, std::int32_t type, AmdColour& colour);
std::int32_t GpuAmdSetColour(std::int32_t adapterIndex, std::int32_t displayIndex, std::int32_t type,
                             std::int32_t value);
