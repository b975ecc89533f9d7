// The simulated dxva2.dll: the Monitor Configuration API over the simulator, for running the
// program under Wine with WINEDLLOVERRIDES=dxva2=n. Environment: LUMISTRAND_SIM_CONFIG (the
// configuration file, else the built-in one), LUMISTRAND_SIM_LOG (appends one line per call),
// LUMISTRAND_SIM_STATE (monitor state kept across processes). Latencies are real sleeps.
// Callers use it from one thread, as the program does all monitor I/O on its main thread.
#include <windows.h>

#include <cwchar>
#include <filesystem>

#include "platform/dxva2_api.h"
#include "testing/sim/sim_environment.h"

namespace {

struct DllSettings {
    std::filesystem::path logPath;
    std::filesystem::path statePath;
};

DllSettings g_dll;

std::filesystem::path EnvironmentPath(const wchar_t* name) {
    wchar_t value[MAX_PATH * 2];
    const DWORD length = GetEnvironmentVariableW(name, value, MAX_PATH * 2);
    if (length == 0 || length >= MAX_PATH * 2) {
        return {};
    }
    return std::filesystem::path(std::wstring(value, length));
}

void LogTransaction(const SimTransaction& transaction) {
    SimAppendLogLine(g_dll.logPath, SimFormatTransaction(transaction));
}

void SaveState() { SimSaveState(g_dll.statePath); }

// Loaded at the first call rather than in DllMain, where file access under the loader lock is unsafe.
void EnsureLoaded() {
    static bool loaded = false;
    if (loaded) {
        return;
    }
    loaded = true;
    g_dll.logPath = EnvironmentPath(L"LUMISTRAND_SIM_LOG");
    g_dll.statePath = EnvironmentPath(L"LUMISTRAND_SIM_STATE");
    std::string error;
    if (!SimLoadFiles(EnvironmentPath(L"LUMISTRAND_SIM_CONFIG"), g_dll.statePath, error)) {
        OutputDebugStringA(("dxva2 simulator: " + error).c_str());
        if (!g_dll.logPath.empty()) {
            SimAppendLogLine(g_dll.logPath, "config error: " + error);
        }
    }
    if (!g_dll.logPath.empty()) {
        SimSetTransactionObserver(LogTransaction);
    }
    if (!g_dll.statePath.empty()) {
        SimSetChangeObserver(SaveState);
    }
}

struct DisplaySearch {
    HMONITOR wanted;
    std::int32_t position = -1;
    std::int32_t seen = 0;
};

BOOL CALLBACK FindPosition(HMONITOR monitor, HDC, LPRECT, LPARAM context) {
    auto* search = reinterpret_cast<DisplaySearch*>(context);
    if (monitor == search->wanted) {
        search->position = search->seen;
        return FALSE;
    }
    ++search->seen;
    return TRUE;
}

std::int32_t DisplayIndex(HMONITOR monitor) {
    EnsureLoaded();
    MONITORINFOEXW info{};
    info.cbSize = sizeof info;
    std::wstring deviceName;
    if (GetMonitorInfoW(monitor, &info)) {
        deviceName.assign(info.szDevice, wcsnlen(info.szDevice, CCHDEVICENAME));
    }
    DisplaySearch search{monitor};
    EnumDisplayMonitors(nullptr, nullptr, FindPosition, reinterpret_cast<LPARAM>(&search));
    return SimDisplayForDevice(SimCurrent(), deviceName, search.position);
}

std::uintptr_t Monitor(HANDLE handle) {
    EnsureLoaded();
    return reinterpret_cast<std::uintptr_t>(handle);
}

BOOL Fail() {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
}

// Runs the model call into a local and copies the result out only on success.
template <typename Call>
BOOL WithOutput(LPDWORD output, Call call) {
    std::uint32_t value = 0;
    if (!output) {
        return Fail();
    }
    if (!call(value)) {
        return FALSE;
    }
    *output = value;
    return TRUE;
}

BOOL GetRange(HANDLE handle, SimRange range, LPDWORD minimum, LPDWORD current, LPDWORD maximum) {
    std::uint32_t lo = 0, cur = 0, hi = 0;
    if (!minimum || !current || !maximum) {
        return Fail();
    }
    if (!SimGetRange(Monitor(handle), range, lo, cur, hi)) {
        return FALSE;
    }
    *minimum = lo;
    *current = cur;
    *maximum = hi;
    return TRUE;
}

bool GainRange(MC_GAIN_TYPE type, SimRange& range) {
    static const SimRange ranges[] = {SimRange::RedGain, SimRange::GreenGain, SimRange::BlueGain};
    if (type < MC_RED_GAIN || type > MC_BLUE_GAIN) {
        return false;
    }
    range = ranges[type];
    return true;
}

}  // namespace

extern "C" {

BOOL WINAPI GetNumberOfPhysicalMonitorsFromHMONITOR(HMONITOR hMonitor, LPDWORD pdwNumberOfPhysicalMonitors) {
    return WithOutput(pdwNumberOfPhysicalMonitors,
                      [&](std::uint32_t& count) { return SimGetMonitorCount(DisplayIndex(hMonitor), count); });
}

BOOL WINAPI GetPhysicalMonitorsFromHMONITOR(HMONITOR hMonitor, DWORD dwPhysicalMonitorArraySize,
                                            LPPHYSICAL_MONITOR pPhysicalMonitorArray) {
    std::vector<SimOpenedMonitor> opened;
    if (!pPhysicalMonitorArray) {
        return Fail();
    }
    if (!SimOpenMonitors(DisplayIndex(hMonitor), dwPhysicalMonitorArraySize, opened)) {
        return FALSE;
    }
    for (std::size_t i = 0; i < opened.size(); ++i) {
        PHYSICAL_MONITOR& out = pPhysicalMonitorArray[i];
        out.hPhysicalMonitor = reinterpret_cast<HANDLE>(opened[i].handle);
        const std::size_t length = std::min<std::size_t>(opened[i].description.size(), PHYSICAL_MONITOR_DESCRIPTION_SIZE - 1);
        wmemcpy(out.szPhysicalMonitorDescription, opened[i].description.c_str(), length);
        out.szPhysicalMonitorDescription[length] = L'\0';
    }
    return TRUE;
}

BOOL WINAPI DestroyPhysicalMonitors(DWORD dwPhysicalMonitorArraySize, LPPHYSICAL_MONITOR pPhysicalMonitorArray) {
    EnsureLoaded();
    if (!pPhysicalMonitorArray && dwPhysicalMonitorArraySize > 0) {
        return Fail();
    }
    std::vector<std::uintptr_t> handles;
    for (DWORD i = 0; i < dwPhysicalMonitorArraySize; ++i) {
        handles.push_back(reinterpret_cast<std::uintptr_t>(pPhysicalMonitorArray[i].hPhysicalMonitor));
    }
    return SimCloseMonitors(handles);
}

BOOL WINAPI GetVCPFeatureAndVCPFeatureReply(HANDLE hMonitor, BYTE bVCPCode, LPMC_VCP_CODE_TYPE pvct,
                                            LPDWORD pdwCurrentValue, LPDWORD pdwMaximumValue) {
    std::uint32_t current = 0, maximum = 0;
    if (!pdwCurrentValue || !pdwMaximumValue) {
        return Fail();
    }
    if (!SimGetVcp(Monitor(hMonitor), bVCPCode, current, maximum)) {
        return FALSE;
    }
    if (pvct) {
        *pvct = MC_SET_PARAMETER;
    }
    *pdwCurrentValue = current;
    *pdwMaximumValue = maximum;
    return TRUE;
}

BOOL WINAPI SetVCPFeature(HANDLE hMonitor, BYTE bVCPCode, DWORD dwNewValue) {
    return SimSetVcp(Monitor(hMonitor), bVCPCode, dwNewValue);
}

BOOL WINAPI GetMonitorBrightness(HANDLE hMonitor, LPDWORD pdwMinimumBrightness, LPDWORD pdwCurrentBrightness,
                                 LPDWORD pdwMaximumBrightness) {
    return GetRange(hMonitor, SimRange::Brightness, pdwMinimumBrightness, pdwCurrentBrightness, pdwMaximumBrightness);
}

BOOL WINAPI SetMonitorBrightness(HANDLE hMonitor, DWORD dwNewBrightness) {
    return SimSetRange(Monitor(hMonitor), SimRange::Brightness, dwNewBrightness);
}

BOOL WINAPI GetMonitorContrast(HANDLE hMonitor, LPDWORD pdwMinimumContrast, LPDWORD pdwCurrentContrast,
                               LPDWORD pdwMaximumContrast) {
    return GetRange(hMonitor, SimRange::Contrast, pdwMinimumContrast, pdwCurrentContrast, pdwMaximumContrast);
}

BOOL WINAPI SetMonitorContrast(HANDLE hMonitor, DWORD dwNewContrast) {
    return SimSetRange(Monitor(hMonitor), SimRange::Contrast, dwNewContrast);
}

BOOL WINAPI GetMonitorRedGreenOrBlueGain(HANDLE hMonitor, MC_GAIN_TYPE gtGainType, LPDWORD pdwMinimumGain,
                                         LPDWORD pdwCurrentGain, LPDWORD pdwMaximumGain) {
    SimRange range = SimRange::RedGain;
    if (!GainRange(gtGainType, range)) {
        return Fail();
    }
    return GetRange(hMonitor, range, pdwMinimumGain, pdwCurrentGain, pdwMaximumGain);
}

BOOL WINAPI SetMonitorRedGreenOrBlueGain(HANDLE hMonitor, MC_GAIN_TYPE gtGainType, DWORD dwNewGain) {
    SimRange range = SimRange::RedGain;
    if (!GainRange(gtGainType, range)) {
        return Fail();
    }
    return SimSetRange(Monitor(hMonitor), range, dwNewGain);
}

BOOL WINAPI GetCapabilitiesStringLength(HANDLE hMonitor, LPDWORD pdwCapabilitiesStringLengthInCharacters) {
    return WithOutput(pdwCapabilitiesStringLengthInCharacters,
                      [&](std::uint32_t& length) { return SimGetCapabilitiesLength(Monitor(hMonitor), length); });
}

BOOL WINAPI CapabilitiesRequestAndCapabilitiesReply(HANDLE hMonitor, LPSTR pszASCIICapabilitiesString,
                                                    DWORD dwCapabilitiesStringLengthInCharacters) {
    return SimGetCapabilities(Monitor(hMonitor), pszASCIICapabilitiesString, dwCapabilitiesStringLengthInCharacters);
}

BOOL WINAPI SaveCurrentMonitorSettings(HANDLE hMonitor) { return SimSaveSettings(Monitor(hMonitor)); }
}
