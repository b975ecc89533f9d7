#include "testing/program_state.h"
#include "testing/sim/sim_model.h"

#include <gtest/gtest.h>

#include <functional>

#include "testing/fakes/clock_fake.h"
#include "testing/sim/sim_config.h"

namespace {

class SimModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
    }
    void TearDown() override { SimReset(); }

    // Opens every monitor of a display and returns the handle of the one in slot.
    std::uintptr_t Open(std::int32_t display, std::size_t slot = 0) {
        std::uint32_t count = 0;
        std::vector<SimOpenedMonitor> opened;
        EXPECT_TRUE(SimGetMonitorCount(display, count));
        EXPECT_TRUE(SimOpenMonitors(display, count, opened));
        return opened.at(slot).handle;
    }
};

TEST_F(SimModelTest, EveryOperationSpendsItsLatencyOnTheVirtualClock) {
    const std::uintptr_t rtk = Open(0);
    const auto capsBytes = static_cast<std::uint32_t>(SimMonitorAt(0)->capabilities.size() + 1);
    const std::uint32_t capsTime = (capsBytes + 31) / 32 * 50;
    std::uint32_t a = 0, b = 0, c = 0;
    std::vector<char> buffer(capsBytes);
    struct Case {
        const char* name;
        std::function<bool()> call;
        std::uint32_t expected;
    };
    const Case cases[] = {
        {"vcp read", [&] { return SimGetVcp(rtk, 0x10, a, b); }, 40},
        {"vcp write", [&] { return SimSetVcp(rtk, 0x10, 20); }, 50},
        {"contrast read", [&] { return SimGetRange(rtk, SimRange::Contrast, a, b, c); }, 40},
        {"gain write", [&] { return SimSetRange(rtk, SimRange::BlueGain, 10); }, 50},
        {"save", [&] { return SimSaveSettings(rtk); }, 50},
        {"caps length", [&] { return SimGetCapabilitiesLength(rtk, a); }, capsTime},
        {"caps request", [&] { return SimGetCapabilities(rtk, buffer.data(), capsBytes); }, capsTime},
        {"unsupported code still costs a reply", [&] { return !SimGetVcp(rtk, 0xE0, a, b); }, 40},
        {"display count", [&] { return SimGetMonitorCount(1, a); }, 0},
    };
    for (const Case& c : cases) {
        const std::uint32_t before = ClockTickCount();
        EXPECT_TRUE(c.call()) << c.name;
        EXPECT_EQ(ClockTickCount() - before, c.expected) << c.name;
    }
    EXPECT_GT(capsTime, 100u);  // the RTK string spans several fragments

    SimCurrent().latencies.reply = 7;
    const std::uint32_t before = ClockTickCount();
    EXPECT_TRUE(SimGetVcp(rtk, 0x10, a, b));
    EXPECT_EQ(ClockTickCount() - before, 7u);
}

TEST_F(SimModelTest, ValuesBehaveLikeAMonitor) {
    const std::uintptr_t rtk = Open(0);
    std::uint32_t minimum = 0, current = 0, maximum = 0;

    // The range calls and raw VCP traffic share one value.
    ASSERT_TRUE(SimSetRange(rtk, SimRange::Contrast, 64));
    ASSERT_TRUE(SimGetVcp(rtk, 0x12, current, maximum));
    EXPECT_EQ(current, 64u);
    ASSERT_TRUE(SimSetVcp(rtk, 0x16, 33));
    ASSERT_TRUE(SimGetRange(rtk, SimRange::RedGain, minimum, current, maximum));
    EXPECT_EQ(current, 33u);

    EXPECT_FALSE(SimSetRange(rtk, SimRange::Brightness, 101));  // outside the reported range
    ASSERT_TRUE(SimSetVcp(rtk, 0x10, 0x10000 + 250));           // 16 bits on the wire, clamped to 100
    EXPECT_EQ(SimMonitorAt(0)->vcp.at(0x10).current, 100u);
    EXPECT_FALSE(SimSetVcp(rtk, 0xC0, 1));    // usage time is read-only
    EXPECT_FALSE(SimGetVcp(rtk, 0xE0, current, maximum));  // not supported
    EXPECT_FALSE(SimGetRange(Open(1), SimRange::GreenGain, minimum, current, maximum));

    // Restoring factory defaults brings back the configured values but not the usage time.
    SimMonitorAt(0)->vcp.at(0xC0).current = 1300;
    ASSERT_TRUE(SimSetVcp(rtk, 0x04, 1));
    EXPECT_EQ(SimMonitorAt(0)->vcp.at(0x10).current, 75u);
    EXPECT_EQ(SimMonitorAt(0)->vcp.at(0x12).current, 50u);
    EXPECT_EQ(SimMonitorAt(0)->vcp.at(0xC0).current, 1300u);

    ASSERT_TRUE(SimSaveSettings(rtk));
    ASSERT_TRUE(SimSaveSettings(rtk));
    EXPECT_EQ(SimMonitorAt(0)->savedCount, 2u);
}

TEST_F(SimModelTest, CapabilitiesComeWithTheirTerminatingNul) {
    const std::uintptr_t pd = Open(1);
    const std::string& text = SimMonitorAt(1)->capabilities;
    std::uint32_t length = 0;
    ASSERT_TRUE(SimGetCapabilitiesLength(pd, length));
    EXPECT_EQ(length, text.size() + 1);
    std::vector<char> buffer(length, 'x');
    EXPECT_FALSE(SimGetCapabilities(pd, buffer.data(), length - 1));
    ASSERT_TRUE(SimGetCapabilities(pd, buffer.data(), length));
    EXPECT_EQ(std::string(buffer.data()), text);
    EXPECT_EQ(buffer.back(), '\0');

    SimMonitorAt(1)->capabilities.clear();
    EXPECT_FALSE(SimGetCapabilitiesLength(pd, length));
}

TEST_F(SimModelTest, HandlesAreFreshAndDieWithDestroy) {
    const std::uintptr_t first = Open(0);
    const std::uintptr_t second = Open(0);
    EXPECT_NE(first, second);
    EXPECT_EQ(SimOpenHandleCount(), 2u);
    EXPECT_TRUE(SimCloseMonitors({first}));
    EXPECT_EQ(SimOpenHandleCount(), 1u);
    std::uint32_t current = 0, maximum = 0;
    EXPECT_FALSE(SimGetVcp(first, 0x10, current, maximum));
    EXPECT_FALSE(SimCloseMonitors({first}));  // closing twice is reported
    std::vector<SimOpenedMonitor> opened;
    EXPECT_FALSE(SimOpenMonitors(0, 2, opened));  // count must match the display
    EXPECT_FALSE(SimGetMonitorCount(5, current));

    const std::uintptr_t removed = Open(1);
    SimCurrent().displays.pop_back();  // unplugged while its handle is open
    EXPECT_FALSE(SimSaveSettings(removed));
}

TEST_F(SimModelTest, FailNextCountsOnlyMatchingCalls) {
    SimLoad([] {
        SimConfig config = SimDefaultConfig();
        config.displays[1].monitors.push_back(config.displays[1].monitors[0]);
        return config;
    }());
    const std::uintptr_t m0 = Open(0);
    const std::uintptr_t m2 = Open(1, 1);
    std::uint32_t current = 0, maximum = 0;

    SimFailNext(2, "GetVCPFeatureAndVCPFeatureReply", 2);
    EXPECT_TRUE(SimGetVcp(m0, 0x10, current, maximum));     // other monitor
    EXPECT_TRUE(SimSetVcp(m2, 0x10, 5));                    // other operation
    EXPECT_FALSE(SimGetVcp(m2, 0x10, current, maximum));
    EXPECT_FALSE(SimGetVcp(m2, 0x10, current, maximum));
    EXPECT_TRUE(SimGetVcp(m2, 0x10, current, maximum));
    EXPECT_EQ(current, 5u);  // a failed read changes nothing
    EXPECT_TRUE(SimCurrent().failures.empty());

    SimFailNext(1);
    EXPECT_TRUE(SimCloseMonitors({m0}));  // a wildcard leaves the clean-up alone
    EXPECT_FALSE(SimSaveSettings(m2));
    EXPECT_EQ(SimMonitorAt(2)->savedCount, 0u);
    EXPECT_TRUE(SimSaveSettings(m2));

    SimFailAlways("GetPhysicalMonitorsFromHMONITOR", 1, -1);
    std::vector<SimOpenedMonitor> opened;
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(SimOpenMonitors(1, 2, opened));
        EXPECT_TRUE(SimOpenMonitors(0, 1, opened));
    }
    SimClearFailures();
    EXPECT_TRUE(SimOpenMonitors(1, 2, opened));
}

TEST_F(SimModelTest, SeededFailuresAreReproducible) {
    const std::uintptr_t m = Open(0);
    const auto pattern = [m](std::uint32_t seed) {
        SimSetFailureProbability(0.3, seed);
        std::vector<bool> results;
        std::uint32_t current = 0, maximum = 0;
        for (int i = 0; i < 400; ++i) {
            results.push_back(SimGetVcp(m, 0x10, current, maximum));
        }
        return results;
    };
    const std::vector<bool> first = pattern(7);
    EXPECT_EQ(pattern(7), first);
    EXPECT_NE(pattern(8), first);
    const auto failures = std::count(first.begin(), first.end(), false);
    EXPECT_GT(failures, 80);
    EXPECT_LT(failures, 160);
}

TEST_F(SimModelTest, RecordsEveryCallWithItsValues) {
    const std::uintptr_t m = Open(1);
    SimClearTransactions();
    std::uint32_t minimum = 0, current = 0, maximum = 0;
    ASSERT_TRUE(SimSetRange(m, SimRange::Brightness, 30));
    ASSERT_TRUE(SimGetRange(m, SimRange::Brightness, minimum, current, maximum));
    EXPECT_FALSE(SimGetVcp(0xDEAD, 0x62, current, maximum));

    const auto& record = SimTransactions();
    ASSERT_EQ(record.size(), 3u);
    EXPECT_EQ(record[0].operation, "SetMonitorBrightness");
    EXPECT_EQ(record[0].monitor, 1);
    EXPECT_EQ(record[0].display, 1);
    EXPECT_EQ(record[0].valueIn, 30u);
    EXPECT_TRUE(record[0].ok);
    EXPECT_EQ(record[1].current, 30u);
    EXPECT_EQ(record[1].maximum, 100u);
    EXPECT_EQ(record[1].tick, 90u);
    EXPECT_EQ(record[2].monitor, -1);
    EXPECT_FALSE(record[2].ok);
    EXPECT_EQ(SimFormatTransaction(record[1]),
              "90 GetMonitorBrightness display=1 monitor=1 code=0x10 in=0 min=0 cur=30 max=100 ok");
    EXPECT_EQ(SimFormatTransaction(record[2]),
              "90 GetVCPFeatureAndVCPFeatureReply display=-1 monitor=-1 code=0x62 in=0 min=0 cur=0 max=0 fail");
    SimClearTransactions();
    EXPECT_TRUE(SimTransactions().empty());
}

}  // namespace
