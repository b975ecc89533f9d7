// DDC/CI seam: the display walk and the Monitor Configuration API operations.
// Windows: ddc_win32.cpp (EnumDisplayMonitors + dxva2.dll). Host tests: the simulator.
// Every operation returns success; outputs are untouched on failure.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

using DisplayHandle = std::uintptr_t;
using PhysicalMonitorHandle = std::uintptr_t;

struct ScreenRect {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
};

struct DisplayInfo {
    DisplayHandle handle = 0;
    ScreenRect rect;
    std::wstring deviceName;  // as the system gives it, e.g. "\\.\DISPLAY1"
};

struct PhysicalMonitor {
    PhysicalMonitorHandle handle = 0;
    std::wstring description;  // at most 127 characters
};

enum class GainKind : std::uint32_t { Red = 0, Green = 1, Blue = 2 };

// Displays in the system's enumeration order.
std::vector<DisplayInfo> DdcEnumerateDisplays();

bool DdcGetNumberOfPhysicalMonitors(DisplayHandle display, std::uint32_t& count);
bool DdcGetPhysicalMonitors(DisplayHandle display, std::uint32_t count, std::vector<PhysicalMonitor>& monitors);
void DdcDestroyPhysicalMonitors(std::vector<PhysicalMonitor>& monitors);

bool DdcGetVcpFeature(PhysicalMonitorHandle monitor, std::uint8_t code, std::uint32_t& current, std::uint32_t& maximum);
bool DdcSetVcpFeature(PhysicalMonitorHandle monitor, std::uint8_t code, std::uint32_t value);

bool DdcGetBrightness(PhysicalMonitorHandle monitor, std::uint32_t& minimum, std::uint32_t& current, std::uint32_t& maximum);
bool DdcSetBrightness(PhysicalMonitorHandle monitor, std::uint32_t value);
bool DdcGetContrast(PhysicalMonitorHandle monitor, std::uint32_t& minimum, std::uint32_t& current, std::uint32_t& maximum);
bool DdcSetContrast(PhysicalMonitorHandle monitor, std::uint32_t value);
bool DdcGetGain(PhysicalMonitorHandle monitor, GainKind kind, std::uint32_t& minimum, std::uint32_t& current, std::uint32_t& maximum);
bool DdcSetGain(PhysicalMonitorHandle monitor, GainKind kind, std::uint32_t value);

bool DdcGetCapabilitiesStringLength(PhysicalMonitorHandle monitor, std::uint32_t& length);
// Fills buffer (length bytes, as reported by the length call) with the 8-bit capabilities text.
bool DdcCapabilitiesRequest(PhysicalMonitorHandle monitor, char* buffer, std::uint32_t length);
bool DdcSaveCurrentMonitorSettings(PhysicalMonitorHandle monitor);
