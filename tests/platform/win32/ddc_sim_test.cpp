// platform/ddc_win32.cpp against the simulated dxva2.dll under Wine: the real import, the
// display mapping by device name, the transaction log and the state file.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/ddc.h"
#include "testing/sim/sim_config.h"

namespace {

std::filesystem::path TempFile(const wchar_t* name) {
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    return std::filesystem::path(folder) / name;
}

const std::filesystem::path kConfig = TempFile(L"lumistrand-sim-test.cfg");
const std::filesystem::path kLog = TempFile(L"lumistrand-sim-test.log");
const std::filesystem::path kState = TempFile(L"lumistrand-sim-test.state");

// Runs before main, so the dll sees the files at its first call. The displays are listed in
// reverse so that only the device names, not the order, can pair them up.
const bool g_prepared = [] {
    std::filesystem::remove(kLog);
    std::filesystem::remove(kState);
    std::ofstream(kConfig, std::ios::binary)
        << "latency reply 1\nlatency write 1\nlatency caps 1\n"
           "display \\\\.\\DISPLAY2 0 0 10 10\nmonitor Second A\nvcp 10 20 100\nvcp 12 30 100 min=5\n"
           "capabilities (prot(monitor)model(SIM2)vcp(10 12))\nmonitor Second B\nvcp 10 21 100\n"
           "display \\\\.\\DISPLAY1 0 0 10 10\nmonitor First\nvcp 10 10 100\n";
    SetEnvironmentVariableW(L"LUMISTRAND_SIM_CONFIG", kConfig.c_str());
    SetEnvironmentVariableW(L"LUMISTRAND_SIM_LOG", kLog.c_str());
    SetEnvironmentVariableW(L"LUMISTRAND_SIM_STATE", kState.c_str());
    return true;
}();

std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The physical monitors behind the display of that device name (none when it is missing).
std::vector<PhysicalMonitor> Open(const wchar_t* deviceName) {
    std::vector<PhysicalMonitor> monitors;
    for (const DisplayInfo& display : DdcEnumerateDisplays()) {
        std::uint32_t count = 0;
        if (display.deviceName == deviceName && DdcGetNumberOfPhysicalMonitors(display.handle, count)) {
            DdcGetPhysicalMonitors(display.handle, count, monitors);
        }
    }
    return monitors;
}

TEST(DdcSimRoundTrip, DisplaysMapToConfiguredMonitorsByDeviceName) {
    ASSERT_TRUE(g_prepared);
    std::vector<PhysicalMonitor> monitors = Open(L"\\\\.\\DISPLAY2");
    ASSERT_EQ(monitors.size(), 2u) << "run under the two-screen Xvfb of scripts/wine-env.sh";
    EXPECT_EQ(monitors[0].description, L"Second A");
    EXPECT_EQ(monitors[1].description, L"Second B");
    std::uint32_t minimum = 0, current = 0, maximum = 0, length = 0;
    EXPECT_TRUE(DdcSetBrightness(monitors[1].handle, 33));
    EXPECT_TRUE(DdcGetVcpFeature(monitors[1].handle, 0x10, current, maximum));
    EXPECT_EQ(current, 33u);
    EXPECT_TRUE(DdcGetContrast(monitors[0].handle, minimum, current, maximum));
    EXPECT_EQ(std::to_string(minimum) + " " + std::to_string(current) + " " + std::to_string(maximum), "5 30 100");
    EXPECT_FALSE(DdcGetGain(monitors[0].handle, GainKind::Blue, minimum, current, maximum));
    ASSERT_TRUE(DdcGetCapabilitiesStringLength(monitors[0].handle, length));
    std::vector<char> caps(length);
    ASSERT_TRUE(DdcCapabilitiesRequest(monitors[0].handle, caps.data(), length));
    EXPECT_STREQ(caps.data(), "(prot(monitor)model(SIM2)vcp(10 12))");
    EXPECT_TRUE(DdcSaveCurrentMonitorSettings(monitors[1].handle));
    const PhysicalMonitorHandle stale = monitors[1].handle;
    DdcDestroyPhysicalMonitors(monitors);
    EXPECT_FALSE(DdcSetBrightness(stale, 40));
    monitors = Open(L"\\\\.\\DISPLAY1");
    ASSERT_EQ(monitors.size(), 1u);
    EXPECT_EQ(monitors[0].description, L"First");
    DdcDestroyPhysicalMonitors(monitors);

    // The log names every call; the state file holds what was written.
    const std::string log = ReadAll(kLog);
    EXPECT_NE(log.find(" SetMonitorBrightness display=0 monitor=1 code=0x10 in=33 min=0 cur=33 max=0 ok\n"),
              std::string::npos)
        << log;
    EXPECT_NE(log.find(" SetMonitorBrightness display=-1 monitor=-1 code=0x10 in=40 "), std::string::npos);
    EXPECT_NE(log.find(" DestroyPhysicalMonitors display=1 "), std::string::npos);
    SimConfig state;
    std::string error;
    ASSERT_TRUE(SimParseConfig(ReadAll(kState), state, error)) << error;
    ASSERT_EQ(state.displays.size(), 2u);
    EXPECT_EQ(state.displays[0].monitors[1].vcp.at(0x10).current, 33u);
    EXPECT_EQ(state.displays[0].monitors[1].savedCount, 1u);
}

}  // namespace
