#include <cstdlib>
#include <cstring>

#include "platform/gpu.h"
#include "platform/optional_api.h"

namespace {

// What a call into a missing entry answers: both libraries' generic error.
constexpr std::int32_t kMissingEntry = -1;
constexpr int kAdlConnectedAdaptersOnly = 1;
// More than any graphics card drives; a larger count from the library is not believed.
constexpr int kAdlMostDisplays = 64;

void* __stdcall AllocateForAdl(int size) { return size > 0 ? std::malloc(static_cast<std::size_t>(size)) : nullptr; }

template <typename Fn, typename... Args>
std::int32_t CallIfPresent(Fn entry, Args... args) {
    return entry != nullptr ? entry(args...) : kMissingEntry;
}

NvDisplayHandle Handle(NvidiaDisplay display) { return reinterpret_cast<NvDisplayHandle>(display); }

template <std::size_t N>
std::string Text(const char (&field)[N]) {
    return std::string(field, strnlen(field, N));
}

}  // namespace

bool GpuNvidiaHasEntry(NvidiaEntry entry) {
    const NvapiApi& api = OptionalNvapi();
    switch (entry) {
        case NvidiaEntry::Initialize: return api.initialize != nullptr;
        case NvidiaEntry::GetDvcInfoEx: return api.getDvcInfoEx != nullptr;
        case NvidiaEntry::SetDvcLevelEx: return api.setDvcLevelEx != nullptr;
        case NvidiaEntry::EnumDisplayHandle: return api.enumDisplayHandle != nullptr;
        case NvidiaEntry::GetAssociatedDisplayHandle: return api.getAssociatedDisplayHandle != nullptr;
        case NvidiaEntry::GetDisplayDriverVersion: break;
    }
    return api.getDisplayDriverVersion != nullptr;
}

bool GpuAmdHasEntry(int index) {
    const AdlApi& api = OptionalAdl();
    const bool present[kAmdEntryCount] = {api.create != nullptr,      api.destroy != nullptr,
                                          api.adapterCount != nullptr, api.adapterInfo != nullptr,
                                          api.displayInfo != nullptr,  api.colourCaps != nullptr,
                                          api.colourGet != nullptr,    api.colourSet != nullptr};
    return index >= 0 && index < kAmdEntryCount && present[index];
}

std::int32_t GpuNvidiaInitialize() { return CallIfPresent(OptionalNvapi().initialize); }
std::int32_t GpuAmdCreate() { return CallIfPresent(OptionalAdl().create, AllocateForAdl, kAdlConnectedAdaptersOnly); }
void GpuAmdDestroy() { CallIfPresent(OptionalAdl().destroy); }
void GpuAmdFree() { OptionalAdlFree(); }

std::int32_t GpuNvidiaDisplayHandle(const std::string& displayName, NvidiaDisplay& display) {
    NvDisplayHandle found = nullptr;
    const std::int32_t status = CallIfPresent(OptionalNvapi().getAssociatedDisplayHandle, displayName.c_str(), &found);
    if (status == 0) display = reinterpret_cast<NvidiaDisplay>(found);
    return status;
}

std::int32_t GpuNvidiaGetVibrance(NvidiaDisplay display, GpuVibrance& vibrance) {
    NvDvcInfoEx info{kNvDvcInfoExVersion, 0, 0, 0, 0};
    const std::int32_t status = CallIfPresent(OptionalNvapi().getDvcInfoEx, Handle(display), 0u, &info);
    if (status == 0) vibrance = {info.version, info.currentLevel, info.minLevel, info.maxLevel, info.defaultLevel};
    return status;
}

std::int32_t GpuNvidiaSetVibrance(NvidiaDisplay display, const GpuVibrance& vibrance) {
    NvDvcInfoEx info{vibrance.version, vibrance.current, vibrance.minimum, vibrance.maximum, vibrance.defaultValue};
    return CallIfPresent(OptionalNvapi().setDvcLevelEx, Handle(display), 0u, &info);
}

std::int32_t GpuNvidiaAdapterName(NvidiaDisplay display, std::string& adapterName) {
    NvDisplayDriverVersion version{};
    version.version = kNvDisplayDriverVersionVersion;
    const std::int32_t status = CallIfPresent(OptionalNvapi().getDisplayDriverVersion, Handle(display), &version);
    if (status == 0) adapterName = Text(version.adapterName);
    return status;
}

std::int32_t GpuAmdAdapterCount(std::int32_t& count) {
    int found = 0;
    const std::int32_t status = CallIfPresent(OptionalAdl().adapterCount, &found);
    if (status == 0) count = found;
    return status;
}

std::int32_t GpuAmdAdapters(std::int32_t count, std::vector<AmdAdapter>& adapters) {
    if (count < 1) return kMissingEntry;
    std::vector<AdlAdapterInfo> records(static_cast<std::size_t>(count));
    for (AdlAdapterInfo& record : records) record.size = sizeof record;
    const std::int32_t status =
        CallIfPresent(OptionalAdl().adapterInfo, records.data(), static_cast<int>(count * sizeof(AdlAdapterInfo)));
    if (status != 0) return status;
    adapters.clear();
    for (const AdlAdapterInfo& record : records) {
        adapters.push_back({record.adapterIndex, Text(record.displayName), Text(record.adapterName)});
    }
    return 0;
}

std::int32_t GpuAmdDisplays(std::int32_t adapterIndex, std::vector<AmdDisplay>& displays) {
    int count = 0;
    AdlDisplayInfo* records = nullptr;
    std::int32_t status = CallIfPresent(OptionalAdl().displayInfo, adapterIndex, &count, &records, 0);
    if (status == 0 && (records == nullptr || count < 0 || count > kAdlMostDisplays)) status = kMissingEntry;
    if (status == 0) {
        displays.clear();
        for (int i = 0; i < count; ++i) {
            displays.push_back({records[i].logicalIndex, records[i].logicalAdapterIndex, records[i].infoValue});
        }
    }
    // The list was allocated through AllocateForAdl and is the caller's to free.
    std::free(records);
    return status;
}

std::int32_t GpuAmdColourCaps(std::int32_t adapterIndex, std::int32_t displayIndex, std::int32_t& caps,
                              std::int32_t& valid) {
    int supported = 0, meaningful = 0;
    const std::int32_t status = CallIfPresent(OptionalAdl().colourCaps, adapterIndex, displayIndex, &supported, &meaningful);
    if (status == 0) {
        caps = supported;
        valid = meaningful;
    }
    return status;
}

std::int32_t GpuAmdColour(std::int32_t adapterIndex, std::int32_t displayIndex, std::int32_t type, AmdColour& colour) {
    AmdColour read;
    int step = 0;
    const std::int32_t status = CallIfPresent(OptionalAdl().colourGet, adapterIndex, displayIndex, type, &read.current,
                                              &read.defaultValue, &read.minimum, &read.maximum, &step);
    if (status == 0) colour = read;
    return status;
}

std::int32_t GpuAmdSetColour(std::int32_t adapterIndex, std::int32_t displayIndex, std::int32_t type,
                             std::int32_t value) {
    return CallIfPresent(OptionalAdl().colourSet, adapterIndex, displayIndex, type, value);
}
