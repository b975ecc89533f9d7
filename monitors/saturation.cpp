#include "monitors/saturation.h"

#include <algorithm>
#include <functional>
#include <vector>

#include "log/event_log.h"
#include "monitors/monitor_names.h"
#include "monitors/monitor_table.h"
#include "platform/gpu.h"

namespace {

constexpr std::uint32_t kNoDevice = 0xFFFFFFFFu;
constexpr std::size_t kAdapterNameChars = 259;
// Both lowest bits of a display's info value: connected and mapped to the desktop.
constexpr std::int32_t kAmdDisplayInUse = 3;
constexpr std::int32_t kAmdSaturationBit = 4;

struct GpuControl {
    bool nvidia = false;
    bool amd = false;
};

GpuControl g_control;

bool Logged(std::int32_t monitorIndex, const wchar_t* operation, std::int32_t status) {
    return LogEvent(kNoDevice, monitorIndex, operation, status == 0, nullptr) != 0;
}

std::wstring Widen(const std::string& text) { return std::wstring(text.begin(), text.end()); }

// The entries saturation control cannot do without: initialisation and the next four.
bool NvidiaComplete() {
    for (int entry = 0; entry <= static_cast<int>(NvidiaEntry::GetAssociatedDisplayHandle); ++entry) {
        if (!GpuNvidiaHasEntry(static_cast<NvidiaEntry>(entry))) return false;
    }
    return true;
}

bool AmdComplete() {
    for (int entry = 0; entry < kAmdEntryCount; ++entry) {
        if (!GpuAmdHasEntry(entry)) return false;
    }
    return true;
}

bool NvidiaDisplayOf(const std::string& displayName, std::int32_t monitorIndex, NvidiaDisplay& display) {
    return Logged(monitorIndex, L"NvAPI_GetAssociatedNvidiaDisplayHandle", GpuNvidiaDisplayHandle(displayName, display));
}

bool ReadNvidia(MonitorEntry& entry, NvidiaDisplay display) {
    GpuVibrance vibrance;
    const bool read = Logged(-1, L"NvAPI_GetDVCInfoEx", GpuNvidiaGetVibrance(display, vibrance));
    if (read) {
        entry.saturationInfo = {vibrance.version, vibrance.current, vibrance.minimum, vibrance.maximum,
                                vibrance.defaultValue};
    }
    std::string adapter;
    if (GpuNvidiaHasEntry(NvidiaEntry::GetDisplayDriverVersion) &&
        Logged(-1, L"NvAPI_GetDisplayDriverVersion", GpuNvidiaAdapterName(display, adapter))) {
        entry.gpuAdapterName = LimitText(Widen(adapter), kAdapterNameChars);
    }
    return read;
}

using AmdVisit = std::function<void(const AmdAdapter& adapter, const AmdDisplay& display)>;

// Every display in use that ADL lists for the adapters driving displayName.
void VisitAmdDisplays(const std::string& displayName, std::int32_t monitorIndex, const AmdVisit& visit) {
    std::int32_t count = 0;
    if (!Logged(monitorIndex, L"ADL_Adapter_NumberOfAdapters_Get", GpuAmdAdapterCount(count)) || count < 1) return;
    std::vector<AmdAdapter> adapters;
    if (!Logged(monitorIndex, L"ADL_Adapter_AdapterInfo_Get", GpuAmdAdapters(count, adapters))) return;
    for (const AmdAdapter& adapter : adapters) {
        if (adapter.displayName != displayName) continue;
        std::vector<AmdDisplay> displays;
        if (!Logged(monitorIndex, L"ADL_Display_DisplayInfo_Get", GpuAmdDisplays(adapter.index, displays))) continue;
        for (const AmdDisplay& display : displays) {
            if ((display.infoValue & kAmdDisplayInUse) == kAmdDisplayInUse &&
                display.logicalAdapterIndex == adapter.index) {
                visit(adapter, display);
            }
        }
    }
}

bool ReadAmd(MonitorEntry& entry, const std::string& displayName) {
    bool read = false;
    VisitAmdDisplays(displayName, -1, [&](const AmdAdapter& adapter, const AmdDisplay& display) {
        std::int32_t caps = 0, valid = 0;
        if (!Logged(-1, L"ADL_Display_ColorCaps_Get",
                    GpuAmdColourCaps(adapter.index, display.logicalIndex, caps, valid))) {
            return;
        }
        entry.gpuAdapterName = LimitText(Widen(adapter.adapterName), kAdapterNameChars);
        if ((caps & valid & kAmdSaturationBit) == 0) return;
        AmdColour colour;
        if (Logged(-1, L"ADL_Display_Color_Get",
                   GpuAmdColour(adapter.index, display.logicalIndex, kAmdColourSaturation, colour))) {
            SaturationInfo& info = entry.saturationInfo;
            info.current = colour.current;
            info.defaultValue = colour.defaultValue;
            info.minimum = colour.minimum;
            info.maximum = colour.maximum;
            read = true;
        }
    });
    return read;
}

}  // namespace

void LoadGpuLibraries() {
    g_control = {};
    if (NvidiaComplete()) g_control.nvidia = Logged(-1, L"NvAPI_Initialize", GpuNvidiaInitialize());
    if (AmdComplete()) g_control.amd = Logged(-1, L"ADL_Main_Control_Create", GpuAmdCreate());
}

void FreeGpuLibraries() {
    if (g_control.amd) GpuAmdDestroy();
    GpuAmdFree();
    g_control = {};
}

bool ReadSaturation(MonitorEntry& entry, const std::string& displayName) {
    NvidiaDisplay display = 0;
    if (g_control.nvidia && NvidiaDisplayOf(displayName, -1, display)) return ReadNvidia(entry, display);
    return g_control.amd && ReadAmd(entry, displayName);
}

bool WriteSaturation(const MonitorEntry& entry, std::int32_t monitorIndex, std::int32_t raw) {
    const SaturationInfo& info = entry.saturationInfo;
    const std::int32_t level =
        std::clamp(raw, std::min(info.minimum, info.maximum), std::max(info.minimum, info.maximum));
    const std::string displayName = "\\\\.\\" + std::string(entry.gdiDeviceName.begin(), entry.gdiDeviceName.end());
    NvidiaDisplay display = 0;
    if (g_control.nvidia && NvidiaDisplayOf(displayName, monitorIndex, display)) {
        const GpuVibrance vibrance{info.version, level, info.minimum, info.maximum, info.defaultValue};
        return Logged(monitorIndex, L"NvAPI_SetDVCLevelEx", GpuNvidiaSetVibrance(display, vibrance));
    }
    if (!g_control.amd) return false;
    bool accepted = false;
    VisitAmdDisplays(displayName, monitorIndex, [&](const AmdAdapter& adapter, const AmdDisplay& target) {
        accepted |= Logged(monitorIndex, L"ADL_Display_Color_Set",
                           GpuAmdSetColour(adapter.index, target.logicalIndex, kAmdColourSaturation, level));
    });
    return accepted;
}
