#include <gtest/gtest.h>

#include <filesystem>

#include "log/event_log.h"
#include "res/resource.h"
#include "tests/brightness/brightness_fixture.h"
#include "testing/fakes/shell_fake.h"

namespace {

using Io = std::vector<std::string>;

TEST_F(BrightnessTest, LimitsOfTheSelectedMonitorAndItsRawRange) {
    const struct {
        bool contrast;
        std::int32_t limitMin, limitMax;
        std::uint32_t rawMax;
        std::uint32_t request;
        const char* write;
        std::int32_t shown;
    } cases[] = {
        {false, 20, 80, 100, 150, "SetMonitorBrightness m0 80", 80},
        {false, 20, 80, 100, 5, "SetMonitorBrightness m0 20", 20},
        {false, 0, 100, 50, 80, "SetMonitorBrightness m0 40", 80},
        {true, 30, 60, 200, 90, "SetMonitorContrast m0 120", 60},
    };
    for (const auto& c : cases) {
        SetUp();
        Install({{.brightness = 25, .brightnessMax = c.rawMax, .contrast = 25, .contrastMax = c.rawMax}});
        MonitorEntry& entry = g_monitors.entries[0];
        (c.contrast ? entry.contrastLimitMin : entry.brightnessLimitMin) = c.limitMin;
        (c.contrast ? entry.contrastLimitMax : entry.brightnessLimitMax) = c.limitMax;
        c.contrast ? SetContrast(c.request) : SetBrightness(c.request);

        EXPECT_EQ(MonitorIo(), Io{c.write}) << c.write;
        EXPECT_EQ(c.contrast ? entry.contrast : entry.brightness, c.shown) << c.write;
        EXPECT_EQ(MonitorListCell(0, c.contrast ? kColumnContrast : kColumnBrightness), std::to_wstring(c.shown));
        const std::wstring caption = c.contrast ? L"Contrast " : L"Brightness ";
        EXPECT_EQ(FakeControlText(c.contrast ? 1003 : 1002), caption + std::to_wstring(c.shown));
        EXPECT_EQ(FakeSliderPosition(c.contrast ? 1039 : 1038), 100 - c.shown);
        // Only a brightness change starts the transfer to other monitors.
        EXPECT_EQ(FakeMainWindowTimerActive(kTimerBrightnessTransfer), !c.contrast) << c.write;
        EXPECT_EQ(g_settings.known[0].*(c.contrast ? &KnownMonitor::MonitorContrast : &KnownMonitor::MonitorBrightness),
                  c.shown);
    }
}

TEST_F(BrightnessTest, UnchangedValueCostsNoTrafficAndNoLogLine) {
    const std::filesystem::path roaming = std::filesystem::temp_directory_path() / "lumistrand-brightness-log";
    std::filesystem::remove_all(roaming);
    FakeShellSetRoamingFolder(roaming.wstring());
    Install({{.brightness = 70}});
    g_settings.logfileflag = true;

    SetBrightness(70);
    EXPECT_TRUE(SimTransactions().empty());
    EXPECT_FALSE(std::filesystem::exists(roaming / "Lumistrand" / "Lumistrand.txt"));

    g_settings.rereadvalues = true;
    SetBrightness(70);
    EXPECT_EQ(MonitorIo(), Io{"SetMonitorBrightness m0 70"});
    EXPECT_TRUE(std::filesystem::exists(roaming / "Lumistrand" / "Lumistrand.txt"));
    std::filesystem::remove_all(roaming);
}

TEST_F(BrightnessTest, BacklightWhiteTakesThePercentItself) {
    Install({{.brightness = 100, .brightnessMax = 400}});
    SimMonitorAt(0)->vcp[0x6B] = SimVcp{.current = 10, .maximum = 100};
    g_settings.known[0].use6B = 1;
    g_settings.verify = true;
    SetBrightness(40);
    EXPECT_EQ(MonitorIo(), (Io{"SetVCPFeature m0 40 code 107", "GetVCPFeatureAndVCPFeatureReply m0"}));
    EXPECT_EQ(g_monitors.entries[0].brightness, 40);
}

TEST_F(BrightnessTest, VerifyMismatchKeepsTheLastKnownValueAndWritesAgain) {
    // The entry's range is stale: the monitor now reports 0..200, so 80 reads back as 40 %.
    Install({{.brightness = 50}});
    SimMonitorAt(0)->vcp[0x10].maximum = 200;
    g_settings.verify = true;
    SetBrightness(80);
    Io expected;
    for (int attempt = 0; attempt < 10; ++attempt) {
        expected.push_back("SetMonitorBrightness m0 80");
        expected.push_back("GetMonitorBrightness m0");
    }
    EXPECT_EQ(MonitorIo(), expected);
    EXPECT_EQ(g_monitors.entries[0].brightness, 50);
    EXPECT_EQ(MonitorListCell(0, kColumnBrightness), L"50");
    EXPECT_FALSE(FakeMainWindowTimerActive(kTimerBrightnessTransfer));
}

TEST_F(BrightnessTest, ThreeFailedReadBacksLeaveTheEntryAndTheNextAttemptWrites) {
    Install({{.brightness = 50}});
    g_settings.verify = true;
    g_settings.savenonvolatile = true;
    SimFailNext(3, "GetMonitorBrightness");
    SetBrightness(30);
    EXPECT_EQ(MonitorIo(), (Io{"SetMonitorBrightness m0 30", "SaveCurrentMonitorSettings m0", "GetMonitorBrightness m0",
                               "GetMonitorBrightness m0", "GetMonitorBrightness m0", "SetMonitorBrightness m0 30",
                               "SaveCurrentMonitorSettings m0", "GetMonitorBrightness m0"}));
    EXPECT_EQ(g_monitors.entries[0].brightness, 30);
}

TEST_F(BrightnessTest, FailingMonitorIsTriedTenTimesAndKeepsItsValue) {
    Install({{.brightness = 50}});
    SimFailAlways("SetMonitorBrightness", -1, -1);
    SetBrightness(30);
    EXPECT_EQ(MonitorIo(), Io(10, "SetMonitorBrightness m0 30"));
    EXPECT_EQ(FakeClockSleptMilliseconds(), 10u * 100u + 30u);  // retry pauses and the repeat pacing
    EXPECT_EQ(g_monitors.entries[0].brightness, 50);
    EXPECT_EQ(g_settings.known[0].MonitorBrightness, 50);
}

TEST_F(BrightnessTest, SameValuesWritesEveryMonitorWithTheSelectedLimits) {
    Install({{.brightness = 50}, {.brightness = 50, .brightnessMax = 50}});
    g_settings.samevalues = true;
    g_monitors.selectedMonitor = 1;
    g_monitors.entries[1].brightnessLimitMax = 60;
    SetBrightness(90);
    EXPECT_EQ(MonitorIo(), (Io{"SetMonitorBrightness m0 60", "SetMonitorBrightness m1 30"}));
    EXPECT_EQ(g_monitors.selectedMonitor, 1);
}

TEST_F(BrightnessTest, SelectMonitorByTextReadsTheChosenMonitor) {
    Install({{.brightness = 50}, {.brightness = 20, .brightnessMax = 40}});
    g_monitors.entries[1].serialNumber = L"SN-XY77";
    g_monitors.entries[1].brightness = 0;
    const struct {
        const wchar_t* text;
        std::int32_t selected;
        bool read;
    } cases[] = {{L"2", 1, true}, {L"xy7", 1, true}, {L"monitor1", 0, true},
                 {L"0", 0, false}, {L"3", 0, false}, {L"x", 0, false}, {L"absent", 0, false}};
    for (const auto& c : cases) {
        g_monitors.selectedMonitor = 0;
        SimClearTransactions();
        EXPECT_EQ(SelectMonitorByText(c.text).read, c.read) << c.text;
        EXPECT_EQ(g_monitors.selectedMonitor, c.selected) << c.text;
    }
    EXPECT_EQ(g_monitors.entries[1].brightness, 50);
}

TEST_F(BrightnessTest, TransferAppliesOffsetAndBandFactor) {
    const struct {
        std::uint32_t source;
        std::int32_t offset;
        std::uint32_t expected;
    } cases[] = {{60, -70, 0}, {20, 0, 30}, {25, 0, 13}, {40, 0, 20}, {74, 0, 30}, {60, 5, 26}, {90, 0, 100}, {30, 80, 100}};
    for (const auto& c : cases) {
        SetUp();
        Install({{.brightness = 50}, {.brightness = 50}});
        SimMonitorAt(0)->vcp[0x10].current = c.source;
        g_settings.transferbrightness = true;
        g_settings.source_brightness = L"1";
        g_settings.destination_brightness = L"Monitor2";
        g_settings.offset_brightness = c.offset;
        g_settings.div = {1.5f, 0.5f, 0.4f, 2.0f};
        TransferBrightness();
        const Io expected = c.expected == 50 ? Io{"GetMonitorBrightness m0"}
                                             : Io{"GetMonitorBrightness m0", "SetMonitorBrightness m1 " + std::to_string(c.expected)};
        EXPECT_EQ(MonitorIo(), expected) << c.source << " " << c.offset;
        EXPECT_EQ(MonitorListCell(0, kColumnBrightness), std::to_wstring(c.source));
        EXPECT_EQ(g_monitors.selectedMonitor, 0);
        // The transfer itself never starts another transfer.
        EXPECT_FALSE(FakeMainWindowTimerActive(kTimerBrightnessTransfer));
    }
}

// Offsets and factors come from the settings file unchecked; any of them must still give 0..100.
TEST_F(BrightnessTest, TransferKeepsExtremeOffsetsAndFactorsInRange) {
    const struct {
        std::int32_t offset;
        float factor;
        std::uint32_t expected;
    } cases[] = {{INT32_MAX, 1.0f, 100}, {INT32_MIN, 1.0f, 0}, {0, 1e30f, 100}, {0, -3.0f, 0}, {0, 1.004f, 60}};
    for (const auto& c : cases) {
        SetUp();
        Install({{.brightness = 50}, {.brightness = 50}});
        SimMonitorAt(0)->vcp[0x10].current = 60;
        g_settings.transferbrightness = true;
        g_settings.source_brightness = L"1";
        g_settings.destination_brightness = L"2";
        g_settings.offset_brightness = c.offset;
        g_settings.div = {c.factor, c.factor, c.factor, c.factor};
        TransferBrightness();
        EXPECT_EQ(MonitorIo(), (Io{"GetMonitorBrightness m0", "SetMonitorBrightness m1 " + std::to_string(c.expected)}))
            << c.offset << " " << c.factor;
    }
}

TEST_F(BrightnessTest, TransferToEveryOtherRow) {
    Install({{.brightness = 10}, {.brightness = 10}, {.brightness = 10}});
    SimMonitorAt(1)->vcp[0x10].current = 70;
    g_settings.transferbrightness = true;
    g_settings.source_brightness = L"2";
    g_settings.destination_brightness = L"*";
    g_monitors.selectedMonitor = 2;
    TransferBrightness();
    EXPECT_EQ(MonitorIo(), (Io{"GetMonitorBrightness m1", "SetMonitorBrightness m0 70", "SetMonitorBrightness m2 70"}));
    EXPECT_EQ(g_monitors.selectedMonitor, 2);
    EXPECT_EQ(FakeControlText(1002), L"Brightness 70");
}

}  // namespace
