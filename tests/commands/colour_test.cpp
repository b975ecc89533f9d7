#include <gtest/gtest.h>

#include "monitors/colour.h"
#include "tests/commands/command_fixture.h"

namespace {

SimVcp& SimCode(int monitor, std::uint8_t code) { return SimMonitorAt(monitor)->vcp[code]; }

TEST_F(CommandTest, GainsAreScaledToTheMonitorsRawRange) {
    SimCode(0, 0x16).current = 10;
    SimCode(0, 0x18).current = 10;
    SimCode(0, 0x1A).current = 10;
    Discover();
    SetColourValue(ColourKind::Red, 128);
    SetColourValue(ColourKind::Green, 255);
    SetColourValue(ColourKind::Blue, 0);
    EXPECT_EQ(Writes(), (std::vector<std::string>{"SetMonitorRedGreenOrBlueGain m0 0=50", "SetMonitorRedGreenOrBlueGain m0 1=100",
                                                  "SetMonitorRedGreenOrBlueGain m0 2=0"}));
    EXPECT_EQ(Entry(0).red, 128);
    EXPECT_EQ(FakeControlText(1070), L"R128");
    EXPECT_EQ(FakeSliderPosition(1067), 255 - 128);
    EXPECT_EQ(MonitorListCell(0, kColumnGreen), L"255");
}

TEST_F(CommandTest, AnUnchangedValueIsWrittenOnlyWhenValuesAreReread) {
    Discover();
    SetColourValue(ColourKind::Speaker, 30);
    EXPECT_TRUE(Writes().empty());
    g_settings.rereadvalues = true;
    SetColourValue(ColourKind::Speaker, 30);
    EXPECT_EQ(Writes(), std::vector<std::string>{"SetVCPFeature m0 98=30"});
}

TEST_F(CommandTest, SpeakerVerifyTakesTheReadBackValue) {
    SimCode(0, 0x62) = {.current = 10, .maximum = 50};
    Discover();
    g_settings.verify = true;
    g_settings.savenonvolatile = true;
    SetColourValue(ColourKind::Speaker, 31);
    EXPECT_EQ(Writes(), (std::vector<std::string>{"SetVCPFeature m0 98=16", "SaveCurrentMonitorSettings m0 0"}));
    EXPECT_EQ(Count("GetVCPFeatureAndVCPFeatureReply", 0x62), 1);
    EXPECT_EQ(Entry(0).speakerVolume, 32);  // 16 of 50
    EXPECT_EQ(FakeControlText(1319), L"V32");
}

TEST_F(CommandTest, SpeakerWithoutMaximumNeverVerifiesAndKeepsItsValue) {
    SimCode(0, 0x62) = {.current = 0, .maximum = 0};
    Discover();
    g_settings.verify = true;
    const std::int32_t before = Entry(0).speakerVolume;
    SetColourValue(ColourKind::Speaker, 30);
    EXPECT_EQ(Count("SetVCPFeature", 0x62), 10);
    EXPECT_EQ(Entry(0).speakerVolume, before);
}

TEST_F(CommandTest, AFailingWriteIsRetriedTenTimesAndChangesNothing) {
    Discover();
    SimFailAlways("SetMonitorRedGreenOrBlueGain", -1, -1);
    const std::uint64_t slept = FakeClockSleptMilliseconds();
    SetColourValue(ColourKind::Red, 200);
    EXPECT_EQ(Count("SetMonitorRedGreenOrBlueGain"), 10);
    EXPECT_EQ(Entry(0).red, 128);
    EXPECT_GE(FakeClockSleptMilliseconds() - slept, 10 * 100u);
}

TEST_F(CommandTest, SameValuesWritesEveryMonitorAndRestoresTheSelection) {
    SimCode(1, 0x62) = {.current = 0, .maximum = 100};
    Discover();
    g_settings.samevalues = true;
    g_monitors.selectedMonitor = 1;
    SetColourValue(ColourKind::Speaker, 40);
    EXPECT_EQ(Writes(), (std::vector<std::string>{"SetVCPFeature m0 98=40", "SetVCPFeature m1 98=40"}));
    EXPECT_EQ(g_monitors.selectedMonitor, 1);
}

TEST_F(CommandTest, SaturationFollowsTheRequestWithoutAGraphicsLibrary) {
    Discover();
    SetColourValue(ColourKind::Saturation, 40);
    EXPECT_TRUE(Writes().empty());
    EXPECT_EQ(Entry(0).saturationInfo.current, 40);
    EXPECT_EQ(FakeSliderPosition(1355), 60);
}

// An eleventh monitor has no row; selecting it by its display must not reach past the table.
TEST_F(CommandTest, ASelectionBeyondTheTableWritesToNoMonitor) {
    SimConfig config = SimCurrent();
    while (config.displays.size() <= static_cast<std::size_t>(kMonitorCount)) config.displays.push_back(config.displays.front());
    SimLoad(config);
    Discover();
    g_monitors.selectedMonitor = kMonitorCount;
    for (ColourKind kind : {ColourKind::Red, ColourKind::Speaker}) SetColourValue(kind, 7);
    EXPECT_TRUE(Writes().empty());
}

}  // namespace
