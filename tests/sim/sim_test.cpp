// The simulator's contracts that the other tests and the simulated dxva2.dll build on: the
// configuration text, the state file's round trip, latencies, values and failure injection.
#include <gtest/gtest.h>

#include <tuple>

#include "testing/fakes/clock_fake.h"
#include "testing/program_state.h"
#include "testing/sim/sim_config.h"
#include "testing/sim/sim_model.h"

namespace {

constexpr const char* kDisplay = "display \\\\.\\DISPLAY1 0 0 800 600\nmonitor Test\n";

TEST(SimConfig, ReadsEveryKindOfLineAndRejectsBadOnesWithTheirNumber) {
    const std::string text = std::string("# comment\r\n\n  latency reply 12\nlatency caps 3\nfailrate 0.25 99\n") +
                             "fail SetVCPFeature 2 monitor=1\nfail * always display=0\n" + kDisplay +
                             "capabilities (prot(monitor)vcp(10 12))\n"
                             "vcp 10 0x20 100 min=5\nvcp 0xc0 7 65535 ro\nvcp 14 5 11 factory=6\nsaved 4\n"
                             "monitor Second one\n";
    SimConfig config;
    std::string error;
    ASSERT_TRUE(SimParseConfig(text, config, error)) << error;
    EXPECT_EQ(std::tuple(config.latencies.reply, config.latencies.capsFragment, config.latencies.write, config.failureSeed),
              std::tuple(12u, 3u, 50u, 99u));
    ASSERT_EQ(config.failures.size(), 2u);
    EXPECT_EQ(std::tuple(config.failures[0].count, config.failures[0].monitor), std::tuple(2u, 1));
    EXPECT_TRUE(config.failures[1].operation.empty() && config.failures[1].always);
    ASSERT_EQ(config.displays.size(), 1u);
    ASSERT_EQ(config.displays[0].monitors.size(), 2u);
    const SimMonitor& m = config.displays[0].monitors[0];
    EXPECT_EQ(m.capabilities, "(prot(monitor)vcp(10 12))");
    EXPECT_EQ(std::tuple(m.vcp.at(0x10).current, m.vcp.at(0x10).minimum, m.vcp.at(0x10).factory, m.vcp.at(0x14).factory),
              std::tuple(0x20u, 5u, 0x20u, 6u));
    EXPECT_TRUE(m.vcp.at(0xC0).readOnly);
    EXPECT_EQ(config.displays[0].monitors[1].description, L"Second one");

    const std::pair<std::string, std::string> bad[] = {
        {"frobnicate 1", "line 1: unknown keyword"},
        {"\n# fine\ndisplay X 0 0 10 10\nvcp 10 1 2", "line 4: vcp before any monitor"},
        {std::string(kDisplay) + "vcp 10 1 2 min=3", "line 3: minimum above maximum"},
        {"display X 0 0 10 10", "display X has no monitor"},
        {"gpu intel \\\\.\\DISPLAY1 0 0 10 0 1 HD", "line 1: expected: gpu nvidia|amd"},
        {"gpu amd X 11 0 10 0 1 Radeon", "line 1: saturation outside minimum..maximum"},
    };
    for (const auto& [line, message] : bad) {
        SimConfig kept = SimDefaultConfig();
        EXPECT_FALSE(SimParseConfig(line, kept, error)) << line;
        EXPECT_EQ(error.rfind(message, 0), 0u) << line << " gave: " << error;
        EXPECT_EQ(kept.displays.size(), 2u) << "a rejected text must leave the configuration alone";
    }
}

class SimModelTest : public ::testing::Test {
protected:
    void SetUp() override { ResetProgramState(); }
    void TearDown() override { SimReset(); }

    static std::uintptr_t Open(std::int32_t display, std::size_t slot = 0) {
        std::uint32_t count = 0;
        std::vector<SimOpenedMonitor> opened;
        EXPECT_TRUE(SimGetMonitorCount(display, count));
        EXPECT_TRUE(SimOpenMonitors(display, count, opened));
        return opened.at(slot).handle;
    }
    static std::uint32_t Sim(std::int32_t monitor, std::uint8_t code) { return SimMonitorAt(monitor)->vcp.at(code).current; }
    // Virtual milliseconds the call spent.
    template <typename Call>
    static std::uint32_t Cost(Call call) {
        const std::uint32_t before = ClockTickCount();
        EXPECT_TRUE(call());
        return ClockTickCount() - before;
    }
};

TEST_F(SimModelTest, CallsSpendTheirLatencyFailWhereToldAndValuesBehaveLikeAMonitor) {
    const std::uintptr_t rtk = Open(0);
    std::uint32_t current = 0, maximum = 0, length = 0;
    const auto capsBytes = static_cast<std::uint32_t>(SimMonitorAt(0)->capabilities.size() + 1);
    EXPECT_EQ(Cost([&] { return SimGetVcp(rtk, 0x10, current, maximum); }), 40u);
    EXPECT_EQ(Cost([&] { return SimSetRange(rtk, SimRange::Contrast, 64); }), 50u);
    EXPECT_EQ(Cost([&] { return SimGetCapabilitiesLength(rtk, length); }), (capsBytes + 31) / 32 * 50);
    EXPECT_EQ(Cost([&] { return !SimGetVcp(rtk, 0xE0, current, maximum); }), 40u) << "unsupported code";
    SimCurrent().latencies.reply = 7;
    EXPECT_EQ(Cost([&] { return SimGetVcp(rtk, 0x12, current, maximum); }), 7u);
    EXPECT_EQ(current, 64u) << "range calls and VCP traffic share one value";
    EXPECT_EQ(length, capsBytes) << "with the terminating NUL";

    EXPECT_FALSE(SimSetRange(rtk, SimRange::Brightness, 101));
    ASSERT_TRUE(SimSetVcp(rtk, 0x10, 0x10000 + 50));  // 16 bits on the wire
    EXPECT_EQ(Sim(0, 0x10), 50u);
    ASSERT_TRUE(SimSetVcp(rtk, 0x10, 250));  // clamped to the maximum
    EXPECT_EQ(Sim(0, 0x10), 100u);
    EXPECT_FALSE(SimSetVcp(rtk, 0xC0, 1)) << "read-only";
    SimMonitorAt(0)->vcp.at(0xC0).current = 1300;
    ASSERT_TRUE(SimSetVcp(rtk, 0x04, 1));  // factory defaults, but not the usage time
    EXPECT_EQ(std::tuple(Sim(0, 0x10), Sim(0, 0x12), Sim(0, 0xC0)), std::tuple(75u, 50u, 1300u));
    std::vector<char> caps(capsBytes);
    EXPECT_FALSE(SimGetCapabilities(rtk, caps.data(), capsBytes - 1));

    SimConfig config = SimDefaultConfig();
    config.displays[1].monitors.push_back(config.displays[1].monitors[0]);
    SimLoad(config);
    const std::uintptr_t m0 = Open(0), m2 = Open(1, 1);
    SimFailNext(2, "GetVCPFeatureAndVCPFeatureReply", 2);
    EXPECT_TRUE(SimGetVcp(m0, 0x10, current, maximum));  // other monitor
    EXPECT_TRUE(SimSetVcp(m2, 0x10, 5));                 // other operation
    EXPECT_FALSE(SimGetVcp(m2, 0x10, current, maximum));
    EXPECT_FALSE(SimGetVcp(m2, 0x10, current, maximum));
    EXPECT_TRUE(SimGetVcp(m2, 0x10, current, maximum));
    EXPECT_EQ(current, 5u);
    SimFailNext(1);
    EXPECT_TRUE(SimCloseMonitors({m0})) << "a wildcard leaves the clean-up alone";
    EXPECT_FALSE(SimSaveSettings(m2));
    EXPECT_TRUE(SimSaveSettings(m2));
    EXPECT_EQ(SimMonitorAt(2)->savedCount, 1u);

    const SimTransaction& save = SimTransactions().back();
    EXPECT_EQ(std::tuple(save.operation, save.display, save.monitor, save.ok),
              std::tuple("SaveCurrentMonitorSettings", 1, 2, true));
    EXPECT_EQ(SimTransactions()[SimTransactions().size() - 4].current, 5u);
    EXPECT_FALSE(SimTransactions()[SimTransactions().size() - 2].ok);
}

}  // namespace
