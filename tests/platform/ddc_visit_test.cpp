// The DDC seam over the simulator, driven the way every monitor operation drives it.
#include <gtest/gtest.h>

#include "monitors/visit.h"
#include "testing/fakes/clock_fake.h"
#include "testing/program_state.h"
#include "testing/sim/sim_config.h"
#include "testing/sim/sim_model.h"

namespace {

// Three displays holding 1, 2 and 1 monitors, described "m0".."m3" by running number.
SimConfig ThreeDisplays() {
    SimConfig config;
    std::string error;
    const bool ok = SimParseConfig(
        "display \\\\.\\DISPLAY1 0 0 100 100\nmonitor m0\nvcp 10 10 100\n"
        "display \\\\.\\DISPLAY2 100 0 200 100\nmonitor m1\nvcp 10 11 100\nmonitor m2\nvcp 10 12 100\n"
        "capabilities (vcp(10))\n"
        "display \\\\.\\DISPLAY3 200 0 300 100\nmonitor m3\nvcp 10 13 100\n",
        config, error);
    EXPECT_TRUE(ok) << error;
    return config;
}

class DdcSeamTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
        SimLoad(ThreeDisplays());
    }
    void TearDown() override { SimReset(); }

    std::vector<std::string> Operations() const {
        std::vector<std::string> names;
        for (const SimTransaction& t : SimTransactions()) {
            names.push_back(t.operation + "@" + std::to_string(t.display));
        }
        return names;
    }
};

TEST_F(DdcSeamTest, DisplaysCarryTheirNamesAndRectangles) {
    const std::vector<DisplayInfo> displays = DdcEnumerateDisplays();
    ASSERT_EQ(displays.size(), 3u);
    EXPECT_EQ(displays[1].deviceName, L"\\\\.\\DISPLAY2");
    EXPECT_EQ(displays[1].rect.left, 100);
    EXPECT_EQ(displays[2].rect.right, 300);
    EXPECT_NE(displays[0].handle, displays[1].handle);
}

TEST_F(DdcSeamTest, TargetIsFoundByRunningNumberAcrossDisplays) {
    for (std::int32_t target = 0; target < 4; ++target) {
        std::wstring seen;
        std::uint32_t brightness = 0, maximum = 0;
        const bool ok = VisitMonitor(target, [&](const PhysicalMonitor& monitor) {
            seen = monitor.description;
            EXPECT_GT(SimOpenHandleCount(), 0u);
            return DdcGetVcpFeature(monitor.handle, 0x10, brightness, maximum);
        });
        EXPECT_TRUE(ok);
        EXPECT_EQ(seen, L"m" + std::to_wstring(target));
        EXPECT_EQ(brightness, 10u + target);
        EXPECT_EQ(SimOpenHandleCount(), 0u) << "handles outlived the visit of " << target;
    }
}

TEST_F(DdcSeamTest, EachDisplayIsClosedBeforeTheNextIsOpened) {
    ASSERT_TRUE(VisitMonitor(3, [](const PhysicalMonitor&) { return true; }));
    const std::vector<std::string> expected = {
        "GetNumberOfPhysicalMonitorsFromHMONITOR@0", "GetPhysicalMonitorsFromHMONITOR@0", "DestroyPhysicalMonitors@0",
        "GetNumberOfPhysicalMonitorsFromHMONITOR@1", "GetPhysicalMonitorsFromHMONITOR@1", "DestroyPhysicalMonitors@1",
        "GetNumberOfPhysicalMonitorsFromHMONITOR@2", "GetPhysicalMonitorsFromHMONITOR@2", "DestroyPhysicalMonitors@2",
    };
    EXPECT_EQ(Operations(), expected);
    for (const SimTransaction& t : SimTransactions()) {
        EXPECT_TRUE(t.ok) << t.operation;
    }
}

TEST_F(DdcSeamTest, MissingTargetReturnsFalseAndLeavesNothingOpen) {
    bool called = false;
    EXPECT_FALSE(VisitMonitor(4, [&](const PhysicalMonitor&) { return called = true; }));
    EXPECT_FALSE(VisitMonitor(-1, [&](const PhysicalMonitor&) { return called = true; }));
    EXPECT_FALSE(called);
    EXPECT_EQ(SimOpenHandleCount(), 0u);
}

TEST_F(DdcSeamTest, DisplayThatCannotListItsMonitorsIsSkipped) {
    SimFailAlways("GetPhysicalMonitorsFromHMONITOR", 1, -1);
    std::wstring seen;
    ASSERT_TRUE(VisitMonitor(1, [&](const PhysicalMonitor& monitor) {
        seen = monitor.description;
        return true;
    }));
    EXPECT_EQ(seen, L"m3");
    EXPECT_FALSE(VisitMonitor(2, [](const PhysicalMonitor&) { return true; }));
    EXPECT_EQ(SimOpenHandleCount(), 0u);

    SimClearFailures();
    SimFailNext(1, "GetNumberOfPhysicalMonitorsFromHMONITOR");
    ASSERT_TRUE(VisitMonitor(0, [&](const PhysicalMonitor& monitor) {
        seen = monitor.description;
        return true;
    }));
    EXPECT_EQ(seen, L"m1");
}

TEST_F(DdcSeamTest, ActionResultIsPassedOnAndStaleHandlesFail) {
    PhysicalMonitorHandle kept = 0;
    EXPECT_FALSE(VisitMonitor(2, [&](const PhysicalMonitor& monitor) {
        kept = monitor.handle;
        return false;
    }));
    std::uint32_t current = 0, maximum = 0;
    EXPECT_FALSE(DdcGetVcpFeature(kept, 0x10, current, maximum));
    EXPECT_FALSE(SimTransactions().back().ok);
    EXPECT_EQ(SimTransactions().back().monitor, -1);
}

TEST_F(DdcSeamTest, CallsReachTheVisitedMonitorOnly) {
    ASSERT_TRUE(VisitMonitor(2, [](const PhysicalMonitor& monitor) {
        std::uint32_t length = 0, minimum = 0, current = 7, maximum = 0;
        EXPECT_TRUE(DdcGetCapabilitiesStringLength(monitor.handle, length));
        std::vector<char> text(length);
        EXPECT_TRUE(DdcCapabilitiesRequest(monitor.handle, text.data(), length));
        EXPECT_EQ(std::string(text.data(), text.size()), std::string("(vcp(10))", 10));  // with its NUL
        EXPECT_FALSE(DdcGetGain(monitor.handle, GainKind::Green, minimum, current, maximum));
        EXPECT_EQ(current, 7u) << "outputs stay untouched on failure";
        return DdcSetBrightness(monitor.handle, 44);
    }));
    EXPECT_EQ(SimMonitorAt(2)->vcp.at(0x10).current, 44u);
    EXPECT_EQ(SimMonitorAt(1)->vcp.at(0x10).current, 11u);
}

}  // namespace
