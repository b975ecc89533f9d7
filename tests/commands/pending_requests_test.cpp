#include <gtest/gtest.h>

#include "settings/ui_language.h"
#include "tests/commands/command_fixture.h"

namespace {

TEST_F(CommandTest, NamedValueAndFactoryResetRequestsWriteSettleAndForceAFullReread) {
    struct Case {
        std::int32_t MonitorEntry::*request;
        std::int32_t value;
        std::uint8_t code;
        std::wstring MonitorEntry::*name;
        const wchar_t* expectedName;
        std::uint64_t settleMs;
    } cases[] = {
        {&MonitorEntry::pendingColourTemp, 0x0B, 0x14, &MonitorEntry::colourTempName, L"User1", 1000},
        {&MonitorEntry::pendingInput, 0x03, 0x60, &MonitorEntry::inputName, L"DVI1", 2000},
        {&MonitorEntry::pendingPreset, 0x05, 0xDC, &MonitorEntry::presetName, L"Games", 2000},
    };
    SimMonitorAt(0)->vcp[0xDC] = {.current = 0, .maximum = 10};
    Discover();
    for (const Case& c : cases) {
        SimClearTransactions();
        Entry(0).*c.request = c.value;
        const std::uint64_t slept = FakeClockSleptMilliseconds();
        DiscoverMonitors(false);
        EXPECT_EQ(Count("SetVCPFeature", c.code), 1);
        EXPECT_EQ(Entry(0).*c.name, c.expectedName);
        EXPECT_EQ(Entry(0).*c.request, -1);
        EXPECT_GE(FakeClockSleptMilliseconds() - slept, c.settleMs);
        EXPECT_EQ(Count("GetMonitorRedGreenOrBlueGain"), 3);
    }
    EXPECT_TRUE(Entry(0).colourTempIsUser);

    SimClearTransactions();
    SimMonitorAt(0)->vcp[0x10].current = 20;
    Entry(0).pendingFactoryReset = true;
    const std::uint64_t slept = FakeClockSleptMilliseconds();
    DiscoverMonitors(false);
    EXPECT_EQ(Writes(), Writes_{"SetVCPFeature m0 4=1"});
    EXPECT_FALSE(Entry(0).pendingFactoryReset);
    EXPECT_GE(FakeClockSleptMilliseconds() - slept, 4000u);
    EXPECT_EQ(Entry(0).brightness, 75);
}

TEST_F(CommandTest, RefusedRequestsAreDroppedAfterTheirAttempts) {
    Discover();
    SimFailAlways("SetVCPFeature", -1, -1);
    Entry(1).pendingInput = 0x11;
    Entry(1).pendingSetCode = 0x10;
    Entry(1).pendingSetValue = 5;
    DiscoverMonitors(false);
    EXPECT_EQ(Count("SetVCPFeature", 0x60), 10);
    EXPECT_EQ(Count("SetVCPFeature", 0x10), 5);
    EXPECT_EQ(Entry(1).pendingInput, -1);
    EXPECT_EQ(Entry(1).pendingSetCode, -1);
    EXPECT_NE(Entry(1).inputName, L"HDMI1");
}

TEST_F(CommandTest, GenericGetSkipsTableCodesAndReportsAFailedRead) {
    Discover();
    Entry(0).pendingGetCode = 0x73;
    DiscoverMonitors(false);
    EXPECT_EQ(Count("GetVCPFeatureAndVCPFeatureReply"), 0);
    EXPECT_EQ(Entry(0).pendingGetCode, -1);
    EXPECT_FALSE(FakeMainWindowTimerActive(kTimerVcpMessage));

    for (const bool german : {false, true}) {
        SimClearTransactions();
        UiLanguageSet(german ? kLanguageGerman : 0);
        Entry(1).pendingGetOptions.singleAttempt = german;
        Entry(1).pendingGetCode = 0x62;
        DiscoverMonitors(false);
        EXPECT_EQ(Count("GetVCPFeatureAndVCPFeatureReply", 0x62), german ? 1 : 3);
        EXPECT_TRUE(FakeMainWindowTimerActive(kTimerVcpMessage));
        EXPECT_TRUE(PreparedVcpMessage().text.ends_with(german ? L"Speaker Volume\ngetVCP 0x62 kein Erfolg -> Error!"
                                                               : L"Speaker Volume\ngetVCP 0x62 did not work -> Error!"));
    }
}

TEST_F(CommandTest, PowerToggleSwitchesBetweenOnAndOffOnly) {
    const std::string off = "SetVCPFeature m0 214=4";
    const struct {
        std::uint32_t reported;
        bool failWrites;
        Writes_ writes;
        bool powerOn;
    } cases[] = {
        {1, false, {off}, false}, {4, false, {"SetVCPFeature m0 214=1"}, true}, {2, false, {}, false},
        {1, true, Writes_(10, off), true},  // a monitor that refuses the switch keeps showing its state
    };
    for (const auto& c : cases) {
        SetUp();
        Discover();
        SimMonitorAt(0)->vcp[0xD6].current = c.reported;
        if (c.failWrites) SimFailAlways("SetVCPFeature", -1, -1);
        Entry(0).pendingPowerToggle = true;
        DiscoverMonitors(false);
        EXPECT_EQ(Writes(), c.writes) << c.reported;
        EXPECT_EQ(MonitorListIsChecked(0), c.powerOn) << c.reported;
        EXPECT_FALSE(Entry(0).pendingPowerToggle);
        EXPECT_TRUE(FakeMainWindowTimerActive(kTimerPowerRecheck));
    }
}

}  // namespace
