// The DDC seam over the simulator, driven the way every monitor operation drives it.
#include <gtest/gtest.h>

#include <tuple>

#include "monitors/visit.h"
#include "testing/program_state.h"
#include "testing/sim/sim_config.h"
#include "testing/sim/sim_model.h"

namespace {

class DdcSeamTest : public ::testing::Test {
protected:
    // Three displays holding 1, 2 and 1 monitors, described "m0".."m3" by running number.
    void SetUp() override {
        ResetProgramState();
        SimConfig config;
        std::string error;
        ASSERT_TRUE(SimParseConfig("display \\\\.\\DISPLAY1 0 0 100 100\nmonitor m0\nvcp 10 10 100\n"
                                   "display \\\\.\\DISPLAY2 100 0 200 100\nmonitor m1\nvcp 10 11 100\n"
                                   "monitor m2\nvcp 10 12 100\n"
                                   "display \\\\.\\DISPLAY3 200 0 300 100\nmonitor m3\nvcp 10 13 100\n",
                                   config, error))
            << error;
        SimLoad(config);
    }
    void TearDown() override { SimReset(); }

    // The description of the monitor a visit of target reached, "none" when the visit failed.
    static std::wstring Reached(std::int32_t target) {
        std::wstring seen;
        const bool ok = VisitMonitor(target, [&](const PhysicalMonitor& monitor) {
            seen = monitor.description;
            return true;
        });
        return ok ? seen : L"none" + seen;
    }
};

TEST_F(DdcSeamTest, TargetIsFoundByRunningNumberAndEachDisplayIsClosedBeforeTheNext) {
    const std::vector<DisplayInfo> displays = DdcEnumerateDisplays();
    ASSERT_EQ(displays.size(), 3u);
    EXPECT_EQ(std::tuple(displays[1].deviceName, displays[1].rect.left, displays[2].rect.right),
              std::tuple(L"\\\\.\\DISPLAY2", 100, 300));
    for (std::int32_t target = 0; target < 4; ++target) {
        std::uint32_t brightness = 0, maximum = 0;
        EXPECT_TRUE(VisitMonitor(target, [&](const PhysicalMonitor& monitor) {
            EXPECT_EQ(monitor.description, L"m" + std::to_wstring(target));
            return DdcGetVcpFeature(monitor.handle, 0x10, brightness, maximum);
        }));
        EXPECT_EQ(brightness, 10u + target);
        EXPECT_EQ(SimOpenHandleCount(), 0u) << "handles outlived the visit of " << target;
    }
    SimClearTransactions();
    ASSERT_TRUE(VisitMonitor(3, [](const PhysicalMonitor&) { return true; }));
    std::vector<std::string> operations;
    for (const SimTransaction& t : SimTransactions()) operations.push_back(t.operation + "@" + std::to_string(t.display));
    std::vector<std::string> expected;
    for (const char* display : {"0", "1", "2"}) {
        for (const char* call : {"GetNumberOfPhysicalMonitorsFromHMONITOR@", "GetPhysicalMonitorsFromHMONITOR@",
                                 "DestroyPhysicalMonitors@"}) expected.push_back(call + std::string(display));
    }
    EXPECT_EQ(operations, expected);
}

// A display whose monitors cannot be listed ends the walk: a later monitor must never receive
// what was meant for one numbered before it.
TEST_F(DdcSeamTest, FailuresEndTheWalkAndNothingStaysOpen) {
    EXPECT_EQ(Reached(4), L"none");
    SimFailAlways("GetPhysicalMonitorsFromHMONITOR", 1, -1);
    EXPECT_EQ(Reached(0), L"m0");
    EXPECT_EQ(Reached(1), L"none");
    EXPECT_EQ(Reached(3), L"none");
    SimClearFailures();
    SimFailNext(1, "GetNumberOfPhysicalMonitorsFromHMONITOR");
    EXPECT_EQ(Reached(0), L"none");
    EXPECT_EQ(Reached(0), L"m0");
    EXPECT_EQ(SimOpenHandleCount(), 0u);

    PhysicalMonitorHandle kept = 0;
    std::uint32_t minimum = 0, current = 7, maximum = 0;
    VisitMonitor(2, [&](const PhysicalMonitor& monitor) {
        kept = monitor.handle;
        return DdcGetGain(monitor.handle, GainKind::Green, minimum, current, maximum);
    });
    EXPECT_EQ(current, 7u);
    EXPECT_FALSE(DdcGetVcpFeature(kept, 0x10, current, maximum)) << "a handle of a past visit";
}

}  // namespace
