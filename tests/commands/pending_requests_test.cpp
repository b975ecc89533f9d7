#include <gtest/gtest.h>

#include "res/resource.h"
#include "settings/ui_language.h"
#include "tests/commands/command_fixture.h"

namespace {

TEST_F(CommandTest, NamedValueRequestsWriteThenForceAFullReread) {
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
        // the full re-read includes the gains
        EXPECT_EQ(Count("GetMonitorRedGreenOrBlueGain"), 3);
    }
    EXPECT_TRUE(Entry(0).colourTempIsUser);
}

TEST_F(CommandTest, ARefusedRequestIsDroppedAfterItsAttempts) {
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

TEST_F(CommandTest, FactoryResetWaitsAndProbesPatiently) {
    Discover();
    SimMonitorAt(0)->vcp[0x10].current = 20;
    Entry(0).pendingFactoryReset = true;
    const std::uint64_t slept = FakeClockSleptMilliseconds();
    DiscoverMonitors(false);
    EXPECT_EQ(Writes(), std::vector<std::string>{"SetVCPFeature m0 4=1"});
    EXPECT_FALSE(Entry(0).pendingFactoryReset);
    EXPECT_GE(FakeClockSleptMilliseconds() - slept, 4000u);
    EXPECT_EQ(Entry(0).brightness, 75);  // the factory value, read again
}

TEST_F(CommandTest, GenericGetOfATableCodeOrAMissingCodeDoesNoReadOrReportsTheError) {
    Discover();
    Entry(0).pendingGetCode = 0x73;
    DiscoverMonitors(false);
    EXPECT_EQ(Count("GetVCPFeatureAndVCPFeatureReply"), 0);
    EXPECT_EQ(Entry(0).pendingGetCode, -1);
    EXPECT_FALSE(FakeMainWindowTimerActive(kTimerVcpMessage));

    Entry(1).pendingGetCode = 0x62;
    DiscoverMonitors(false);
    EXPECT_EQ(Count("GetVCPFeatureAndVCPFeatureReply", 0x62), 3);
    EXPECT_TRUE(FakeMainWindowTimerActive(kTimerVcpMessage));
    EXPECT_EQ(PreparedVcpMessage().text.substr(PreparedVcpMessage().text.find(L'\n')),
              L"\nAudio: Speaker Volume\ngetVCP 0x62 did not work -> Error!");

    Entry(1).pendingGetOptions.singleAttempt = true;
    UiLanguageSet(kLanguageGerman);
    SimClearTransactions();
    Entry(1).pendingGetCode = 0x62;
    DiscoverMonitors(false);
    EXPECT_EQ(Count("GetVCPFeatureAndVCPFeatureReply", 0x62), 1);
    EXPECT_NE(PreparedVcpMessage().text.find(L"getVCP 0x62 kein Erfolg -> Error!"), std::wstring::npos);
}

struct PowerCase {
    std::uint32_t reported;
    bool failWrites;
    std::vector<std::string> writes;
    bool powerOn;
};

class PowerToggleTest : public CommandTest, public ::testing::WithParamInterface<PowerCase> {};

TEST_P(PowerToggleTest, SwitchesBetweenOnAndOffOnly) {
    const PowerCase& c = GetParam();
    Discover();
    SimMonitorAt(0)->vcp[0xD6].current = c.reported;
    if (c.failWrites) SimFailAlways("SetVCPFeature", -1, -1);
    Entry(0).pendingPowerToggle = true;
    DiscoverMonitors(false);
    std::vector<std::string> writes;
    for (const std::string& w : Writes()) {
        if (w.find(" 214=") != std::string::npos) writes.push_back(w);
    }
    EXPECT_EQ(writes, c.writes);
    EXPECT_EQ(Entry(0).powerOn, c.powerOn);
    EXPECT_EQ(MonitorListIsChecked(0), c.powerOn);
    EXPECT_FALSE(Entry(0).pendingPowerToggle);
    EXPECT_TRUE(FakeMainWindowTimerActive(kTimerPowerRecheck));
}

const std::string kOff = "SetVCPFeature m0 214=4";
const std::string kOn = "SetVCPFeature m0 214=1";

INSTANTIATE_TEST_SUITE_P(States, PowerToggleTest,
                         ::testing::Values(PowerCase{1, false, {kOff}, false}, PowerCase{4, false, {kOn}, true},
                                           PowerCase{2, false, {}, false},
                                           // a monitor that refuses the switch keeps showing its state
                                           PowerCase{1, true, std::vector<std::string>(10, kOff), true}));

}  // namespace
