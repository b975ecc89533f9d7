#include <windows.h>

#include "platform/ddc.h"
#include "platform/dxva2_api.h"

namespace {

HANDLE Handle(PhysicalMonitorHandle monitor) { return reinterpret_cast<HANDLE>(monitor); }

BOOL CALLBACK CollectDisplay(HMONITOR monitor, HDC, LPRECT, LPARAM context) {
    MONITORINFOEXW info{};
    info.cbSize = sizeof info;
    DisplayInfo display;
    display.handle = reinterpret_cast<DisplayHandle>(monitor);
    if (GetMonitorInfoW(monitor, &info)) {
        display.rect = {info.rcMonitor.left, info.rcMonitor.top, info.rcMonitor.right, info.rcMonitor.bottom};
        display.deviceName.assign(info.szDevice, wcsnlen(info.szDevice, CCHDEVICENAME));
    }
    reinterpret_cast<std::vector<DisplayInfo>*>(context)->push_back(display);
    return TRUE;
}

using RangeRead = BOOL(WINAPI*)(HANDLE, LPDWORD, LPDWORD, LPDWORD);

// The outputs are copied only after the call has filled them, and only on success.
bool ReadRange(RangeRead read, PhysicalMonitorHandle monitor, std::uint32_t& minimum, std::uint32_t& current,
               std::uint32_t& maximum) {
    DWORD lo = 0, cur = 0, hi = 0;
    if (!read(Handle(monitor), &lo, &cur, &hi)) {
        return false;
    }
    minimum = lo;
    current = cur;
    maximum = hi;
    return true;
}

}  // namespace

std::vector<DisplayInfo> DdcEnumerateDisplays() {
    std::vector<DisplayInfo> displays;
    EnumDisplayMonitors(nullptr, nullptr, CollectDisplay, reinterpret_cast<LPARAM>(&displays));
    return displays;
}

bool DdcGetNumberOfPhysicalMonitors(DisplayHandle display, std::uint32_t& count) {
    DWORD number = 0;
    if (!GetNumberOfPhysicalMonitorsFromHMONITOR(reinterpret_cast<HMONITOR>(display), &number)) {
        return false;
    }
    count = number;
    return true;
}

bool DdcGetPhysicalMonitors(DisplayHandle display, std::uint32_t count, std::vector<PhysicalMonitor>& monitors) {
    std::vector<PHYSICAL_MONITOR> array(count);
    if (!GetPhysicalMonitorsFromHMONITOR(reinterpret_cast<HMONITOR>(display), count, array.data())) {
        return false;
    }
    monitors.clear();
    for (const PHYSICAL_MONITOR& m : array) {
        // The description is not guaranteed to be terminated within its 128 characters.
        const WCHAR* text = m.szPhysicalMonitorDescription;
        monitors.push_back({reinterpret_cast<PhysicalMonitorHandle>(m.hPhysicalMonitor),
                            std::wstring(text, wcsnlen(text, PHYSICAL_MONITOR_DESCRIPTION_SIZE - 1))});
    }
    return true;
}

void DdcDestroyPhysicalMonitors(std::vector<PhysicalMonitor>& monitors) {
    std::vector<PHYSICAL_MONITOR> array(monitors.size());
    for (std::size_t i = 0; i < monitors.size(); ++i) {
        array[i].hPhysicalMonitor = Handle(monitors[i].handle);
    }
    DestroyPhysicalMonitors(static_cast<DWORD>(array.size()), array.data());
}

bool DdcGetVcpFeature(PhysicalMonitorHandle monitor, std::uint8_t code, std::uint32_t& current,
                      std::uint32_t& maximum) {
    DWORD cur = 0, max = 0;
    if (!GetVCPFeatureAndVCPFeatureReply(Handle(monitor), code, nullptr, &cur, &max)) {
        return false;
    }
    current = cur;
    maximum = max;
    return true;
}

bool DdcSetVcpFeature(PhysicalMonitorHandle monitor, std::uint8_t code, std::uint32_t value) {
    return SetVCPFeature(Handle(monitor), code, value);
}

bool DdcGetBrightness(PhysicalMonitorHandle monitor, std::uint32_t& minimum, std::uint32_t& current,
                      std::uint32_t& maximum) {
    return ReadRange(GetMonitorBrightness, monitor, minimum, current, maximum);
}

bool DdcSetBrightness(PhysicalMonitorHandle monitor, std::uint32_t value) {
    return SetMonitorBrightness(Handle(monitor), value);
}

bool DdcGetContrast(PhysicalMonitorHandle monitor, std::uint32_t& minimum, std::uint32_t& current,
                    std::uint32_t& maximum) {
    return ReadRange(GetMonitorContrast, monitor, minimum, current, maximum);
}

bool DdcSetContrast(PhysicalMonitorHandle monitor, std::uint32_t value) {
    return SetMonitorContrast(Handle(monitor), value);
}

bool DdcGetGain(PhysicalMonitorHandle monitor, GainKind kind, std::uint32_t& minimum, std::uint32_t& current,
                std::uint32_t& maximum) {
    DWORD lo = 0, cur = 0, hi = 0;
    if (!GetMonitorRedGreenOrBlueGain(Handle(monitor), static_cast<MC_GAIN_TYPE>(kind), &lo, &cur, &hi)) {
        return false;
    }
    minimum = lo;
    current = cur;
    maximum = hi;
    return true;
}

bool DdcSetGain(PhysicalMonitorHandle monitor, GainKind kind, std::uint32_t value) {
    return SetMonitorRedGreenOrBlueGain(Handle(monitor), static_cast<MC_GAIN_TYPE>(kind), value);
}

bool DdcGetCapabilitiesStringLength(PhysicalMonitorHandle monitor, std::uint32_t& length) {
    DWORD bytes = 0;
    if (!GetCapabilitiesStringLength(Handle(monitor), &bytes)) {
        return false;
    }
    length = bytes;
    return true;
}

bool DdcCapabilitiesRequest(PhysicalMonitorHandle monitor, char* buffer, std::uint32_t length) {
    return CapabilitiesRequestAndCapabilitiesReply(Handle(monitor), buffer, length);
}

bool DdcSaveCurrentMonitorSettings(PhysicalMonitorHandle monitor) { return SaveCurrentMonitorSettings(Handle(monitor)); }
