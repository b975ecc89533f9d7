#include "testing/sim/sim_config.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* kDisplay = "display \\\\.\\DISPLAY1 0 0 800 600\nmonitor Test\n";

TEST(SimConfigTest, DefaultHasTwoRealMonitors) {
    const SimConfig config = SimDefaultConfig();
    ASSERT_EQ(config.displays.size(), 2u);
    EXPECT_EQ(config.displays[0].deviceName, L"\\\\.\\DISPLAY1");
    EXPECT_EQ(config.displays[1].deviceName, L"\\\\.\\DISPLAY2");
    ASSERT_EQ(config.displays[0].monitors.size(), 1u);
    ASSERT_EQ(config.displays[1].monitors.size(), 1u);
    EXPECT_NE(config.displays[0].monitors[0].capabilities.find("model(RTK)"), std::string::npos);
    EXPECT_NE(config.displays[1].monitors[0].capabilities.find("model(PD3220U)"), std::string::npos);
    EXPECT_EQ(config.latencies.reply, 40u);
    EXPECT_EQ(config.latencies.write, 50u);
    EXPECT_EQ(config.latencies.capsFragment, 50u);
}

TEST(SimConfigTest, ReadsEveryKindOfLine) {
    const std::string text = std::string("# comment\r\n\n  latency reply 12\nlatency caps 3\nfailrate 0.25 99\n") +
                             "fail SetVCPFeature 2 monitor=1\nfail * always display=0\n" + kDisplay +
                             "capabilities (prot(monitor)vcp(10 12))\n"
                             "vcp 10 0x20 100 min=5\nvcp 0xc0 7 65535 ro\nvcp 14 5 11 factory=6\nsaved 4\n"
                             "monitor Second one with spaces\n";
    SimConfig config;
    std::string error;
    ASSERT_TRUE(SimParseConfig(text, config, error)) << error;
    EXPECT_EQ(config.latencies.reply, 12u);
    EXPECT_EQ(config.latencies.capsFragment, 3u);
    EXPECT_EQ(config.latencies.write, 50u);
    EXPECT_DOUBLE_EQ(config.failureProbability, 0.25);
    EXPECT_EQ(config.failureSeed, 99u);
    ASSERT_EQ(config.failures.size(), 2u);
    EXPECT_EQ(config.failures[0].operation, "SetVCPFeature");
    EXPECT_EQ(config.failures[0].count, 2u);
    EXPECT_EQ(config.failures[0].monitor, 1);
    EXPECT_TRUE(config.failures[1].operation.empty());
    EXPECT_TRUE(config.failures[1].always);
    EXPECT_EQ(config.failures[1].display, 0);

    ASSERT_EQ(config.displays.size(), 1u);
    const SimDisplay& d = config.displays[0];
    EXPECT_EQ(d.right, 800);
    ASSERT_EQ(d.monitors.size(), 2u);
    const SimMonitor& m = d.monitors[0];
    EXPECT_EQ(m.capabilities, "(prot(monitor)vcp(10 12))");
    EXPECT_EQ(m.vcp.at(0x10).current, 0x20u);
    EXPECT_EQ(m.vcp.at(0x10).minimum, 5u);
    EXPECT_TRUE(m.vcp.at(0xC0).readOnly);
    EXPECT_EQ(m.vcp.at(0x14).factory, 6u);
    EXPECT_EQ(m.vcp.at(0x10).factory, 0x20u);
    EXPECT_EQ(m.savedCount, 4u);
    EXPECT_EQ(d.monitors[1].description, L"Second one with spaces");
}

TEST(SimConfigTest, RejectsBadLinesWithTheirNumber) {
    const std::string longName(128, 'n');
    struct Case {
        std::string text;
        std::string error;
    };
    const Case cases[] = {
        {"frobnicate 1", "line 1: unknown keyword \"frobnicate\""},
        {"latency reply", "line 1: expected: latency"},
        {"latency sleep 5", "line 1: unknown latency"},
        {"latency reply -5", "line 1: expected: latency"},
        {"monitor Lonely", "line 1: monitor before any display"},
        {"display X 0 0 10", "line 1: expected: display"},
        {"display X 10 0 10 10\nmonitor m", "line 1: display rectangle is empty"},
        {"\n# fine\ndisplay X 0 0 10 10\nmonitor " + longName, "line 4: description longer than 127"},
        {"display X 0 0 10 10\nvcp 10 1 2", "line 2: vcp before any monitor"},
        {std::string(kDisplay) + "vcp 100 1 2", "line 3: expected: vcp"},
        {std::string(kDisplay) + "vcp 10 1", "line 3: expected: vcp"},
        {std::string(kDisplay) + "vcp 10 70000 70000", "line 3: VCP values are 16-bit"},
        {std::string(kDisplay) + "vcp 10 1 2 rw", "line 3: unknown vcp option \"rw\""},
        {std::string(kDisplay) + "vcp 10 1 2 min=3", "line 3: minimum above maximum"},
        {std::string(kDisplay) + "vcp 10 1 2\nvcp 0x10 1 2", "line 4: VCP code listed twice"},
        {"fail SetVCPFeature 0", "line 1: failure count must be"},
        {"fail SetVCPFeature 1 monitor=-2", "line 1: unknown fail option"},
        {"failrate 1.5 3", "line 1: expected: failrate"},
        {"display X 0 0 10 10", "display X has no monitor"},
    };
    for (const Case& c : cases) {
        SimConfig config = SimDefaultConfig();
        std::string error;
        EXPECT_FALSE(SimParseConfig(c.text, config, error)) << c.text;
        EXPECT_EQ(error.rfind(c.error, 0), 0u) << c.text << " gave: " << error;
        EXPECT_EQ(config.displays.size(), 2u) << "a rejected text must leave the configuration alone";
    }
}

TEST(SimConfigTest, FormattedStateReadsBackTheSame) {
    SimConfig config = SimDefaultConfig();
    config.displays[0].monitors[0].vcp.at(0x10).current = 12;
    config.displays[0].monitors[0].savedCount = 3;
    config.failures.push_back({.operation = "SetVCPFeature", .monitor = 1, .count = 2});
    config.failureProbability = 0.125;
    const std::string text = SimFormatConfig(config);

    SimConfig again;
    std::string error;
    ASSERT_TRUE(SimParseConfig(text, again, error)) << error << "\n" << text;
    EXPECT_EQ(SimFormatConfig(again), text);
    EXPECT_EQ(again.displays[0].monitors[0].vcp.at(0x10).current, 12u);
    EXPECT_EQ(again.displays[0].monitors[0].vcp.at(0x10).factory, 75u);
    EXPECT_EQ(again.displays[0].monitors[0].savedCount, 3u);
    EXPECT_EQ(again.displays[1].monitors[0].capabilities, config.displays[1].monitors[0].capabilities);
    EXPECT_EQ(again.failures.size(), 1u);
}

}  // namespace
