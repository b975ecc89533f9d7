#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "monitors/brightness.h"
#include "monitors/discovery.h"
#include "monitors/monitor_list.h"
#include "monitors/monitor_table.h"
#include "platform/files.h"
#include "settings/settings.h"
#include "settings/ui_language.h"
#include "testing/fakes/control_panel_fake.h"
#include "testing/fakes/monitor_list_view_fake.h"
#include "testing/fakes/requests_fake.h"
#include "testing/file_text.h"
#include "testing/program_state.h"
#include "testing/sim/sim_config.h"
#include "testing/sim/sim_model.h"
#include "ui/control_panel_presenter.h"

namespace {

constexpr const char* kGetVcp = "GetVCPFeatureAndVCPFeatureReply";
constexpr const char* kGetBrightness = "GetMonitorBrightness";
constexpr const char* kCapsRequest = "CapabilitiesRequestAndCapabilitiesReply";
constexpr const char* kCapsLength = "GetCapabilitiesStringLength";

class Discovery : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
        // The fake display configuration names no monitor; these ids tell them apart.
        for (int i = 0; i < kMonitorCount; ++i) g_monitors.entries[i].deviceUid = L"UID" + std::to_wstring(i);
        SimClearTransactions();
    }

    // Displays from 1 on, each with the monitors its text describes.
    static void Load(const std::vector<std::string>& displays) {
        std::string text;
        for (std::size_t n = 0; n < displays.size(); ++n) {
            text += "display \\\\.\\DISPLAY" + std::to_string(n + 1) + " 0 0 1920 1080\n" + displays[n];
        }
        SimConfig config;
        std::string error;
        ASSERT_TRUE(SimParseConfig(text, config, error)) << error;
        SimLoad(config);
    }

    // Monitor 0's calls, with the code where there is one.
    static std::vector<std::string> Calls() {
        std::vector<std::string> calls;
        for (const SimTransaction& t : SimTransactions()) {
            if (t.monitor != 0 || t.operation == "DestroyPhysicalMonitors") continue;
            calls.push_back(t.operation + (t.code >= 0 ? " " + std::to_string(t.code) : ""));
        }
        return calls;
    }

    // Brightness, contrast and red as the monitor list shows them.
    static std::wstring Cells(int row) {
        return MonitorListCell(row, kColumnBrightness) + L"|" + MonitorListCell(row, kColumnContrast) + L"|" +
               MonitorListCell(row, kColumnRed);
    }
};

TEST_F(Discovery, FirstPassReadsAndLogsInOrderAndLaterPassesLeaveAnsweredMonitorsAlone) {
    const std::filesystem::path log = std::filesystem::temp_directory_path() / ("lumistrand-discovery-" + std::to_string(ProcessCurrentId()));
    std::filesystem::remove(log);
    g_settings.logfileflag = true;
    g_settings.logfile = log.wstring();
    SimFailNext(1, kGetBrightness, 1);
    DiscoverMonitors(false);
    g_settings.logfileflag = false;
    EXPECT_EQ(Calls(), (std::vector<std::string>{
                           "GetMonitorBrightness 16", "GetMonitorContrast 18", "GetVCPFeatureAndVCPFeatureReply 214",
                           "GetCapabilitiesStringLength", "CapabilitiesRequestAndCapabilitiesReply",
                           "GetVCPFeatureAndVCPFeatureReply 20", "GetVCPFeatureAndVCPFeatureReply 96",
                           "GetMonitorRedGreenOrBlueGain 0", "GetMonitorRedGreenOrBlueGain 1",
                           "GetMonitorRedGreenOrBlueGain 2", "GetVCPFeatureAndVCPFeatureReply 98"}));
    EXPECT_EQ(Cells(0), L"75|50|128");  // red: 50 of 100 on the 0..255 scale, rounded half up
    EXPECT_EQ(Cells(1), L"60|50|0");    // no gains: the row shows the stored 0

    const std::wstring text = Utf16FileText(log);
    for (const wchar_t* expected :
         {L"GetNumberOfPhysicalMonitorsFromHMONITOR SUCCESS  \r\n", L"GetMonitorBrightness ERROR  \r\n",
          L"MinimumBrightness 0  CurrentBrightness 75  MaximumBrightness 100\r\n", L"VCP 0xD6 Get Power Mode SUCCESS  \r\n",
          L"CapabilitiesRequestAndCapabilitiesReply SUCCESS  \r\n", L"  (prot(monitor)type(LCD)model(RTK)",
          L"VCP 0x14 Get Monitor color temperature SUCCESS  \r\n", L"  6500K\r\n",
          L"MinimumGREEN 0  CurrentGREEN 50  MaximumGREEN 100\r\n", L"GetMonitorGain_Blue ERROR  \r\n",
          L"current Volume 30  maximum Volume 100\r\n", L"monitorname  DISPLAY2\r\n"}) {
        EXPECT_NE(text.find(expected), std::wstring::npos) << std::string(expected, expected + std::wcslen(expected));
    }
    std::filesystem::remove(log);

    SimClearTransactions();
    SimMonitorAt(0)->vcp[0x10].current = 20;
    DiscoverMonitors(false);
    EXPECT_TRUE(Calls().empty());
    g_monitors.forceReread = true;
    DiscoverMonitors(false);
    EXPECT_EQ(MonitorListCell(0, kColumnBrightness), L"20");
    EXPECT_EQ(SimTransactionCount(kCapsRequest), 0);  // a stored capabilities string is reused
}

TEST_F(Discovery, RechecksOfTheMainWindowStopTheProbeEarly) {
    for (const bool quick : {true, false}) {
        SetUp();
        DiscoverMonitors(false);
        g_settings.known[0].MonitorBrightness = 11;
        SimClearTransactions();
        g_monitors.forceReread = true;
        g_monitors.quickRecheck = quick;
        g_monitors.powerRecheck = !quick;
        DiscoverMonitors(false);
        EXPECT_EQ(Calls().size(), quick ? 2u : 3u);
        // Values are remembered for the monitor only outside the quick re-check.
        EXPECT_EQ(g_settings.known[0].MonitorBrightness, quick ? 11 : 75);
    }
}

TEST_F(Discovery, RetryCountsAndPausesOfEachRead) {
    const struct {
        const char* failing;
        int code;
        int attempts;
    } cases[] = {{"GetMonitorContrast", -1, 3}, {"GetMonitorRedGreenOrBlueGain", -1, 9}, {kGetVcp, 0xD6, 10},
                 {kGetVcp, 0x14, 10},           {kGetVcp, 0x60, 10},                     {kGetVcp, 0x62, 5},
                 {kGetVcp, 0xC0, 0},            {kGetVcp, 0xDC, 0},                      {kGetBrightness, -1, 3}};
    for (const auto& c : cases) {
        SetUp();
        SimFailAlways(c.failing, -1, 0);
        DiscoverMonitors(false);
        EXPECT_EQ(SimTransactionCount(c.failing, 0, c.code), c.attempts) << c.failing << " " << c.code;
    }
    // The brightness case is the last state: its attempts pause 50 ms besides the reply time.
    std::vector<std::uint32_t> ticks;
    for (const SimTransaction& t : SimTransactions()) {
        if (t.operation == kGetBrightness && t.monitor == 0) ticks.push_back(t.tick);
    }
    ASSERT_EQ(ticks.size(), 3u);
    EXPECT_EQ(ticks[1] - ticks[0], 50u + 40u);
    EXPECT_EQ(Cells(0), L"?|?|");
    // A monitor that never answered gets one attempt without pause on later passes.
    SimClearTransactions();
    DiscoverMonitors(false);
    EXPECT_EQ(SimTransactionCount(kGetBrightness, 0), 1);

    // No monitor answers: three whole passes, and the selection is left alone.
    SetUp();
    SimFailAlways(kGetBrightness, -1, -1);
    g_monitors.selectedMonitor = 7;
    DiscoverMonitors(false);
    EXPECT_EQ(SimTransactionCount(kGetBrightness), 3 * 2 * 3);
    EXPECT_EQ(g_monitors.selectedMonitor, 7);
}

TEST_F(Discovery, ElevenDisplaysGiveTenRowsAndTheSelectionStaysOnOne) {
    Load(std::vector<std::string>(11, "monitor M\nvcp 10 50 100\n"));
    g_monitors.selectedMonitor = 12;
    DiscoverMonitors(false);
    EXPECT_EQ(MonitorListRowCount(), 10);
    EXPECT_EQ(g_monitors.selectedMonitor, 9);
    for (const SimTransaction& t : SimTransactions()) {
        EXPECT_LT(std::max(t.display, t.monitor), 10) << SimFormatTransaction(t);
    }
    g_monitors.selectedMonitor = -3;
    DiscoverMonitors(false);
    EXPECT_EQ(g_monitors.selectedMonitor, 0);
}

TEST_F(Discovery, DuplicatedDisplaysSkipBindingAndMonitorsAreNumberedAcrossDisplays) {
    Load({"monitor A\nvcp 10 50 100\nmonitor B\nvcp 10 60 100\n", "monitor C\n", "monitor D\n"});
    DiscoverMonitors(false);
    EXPECT_TRUE(g_monitors.cloneMode);
    EXPECT_EQ(MonitorListCell(1, kColumnName), L"DISPLAY1");
    EXPECT_EQ(MonitorListCell(1, kColumnBrightness), L"60");
    for (const KnownMonitor& known : g_settings.known) EXPECT_TRUE(known.mUID.empty());
    for (const auto& [display, selected] : {std::pair<DisplayHandle, std::int32_t>{3, 3}, {2, 2}, {1, 0}, {9, 0}}) {
        FindMonitorByDisplay(display);
        EXPECT_EQ(g_monitors.selectedMonitor, selected) << display;
    }
    SimFailNext(1, "GetNumberOfPhysicalMonitorsFromHMONITOR");
    FindMonitorByDisplay(3);
    EXPECT_EQ(g_monitors.selectedMonitor, 0) << "numbers after a display that failed are unknown";
    EXPECT_EQ(SimOpenHandleCount(), 0u);
}

TEST_F(Discovery, RangeEdgesOfBrightnessAndSpeaker) {
    Load({"monitor A\nvcp 10 50 50 min=50\nvcp 12 40 100\nvcp 62 255 100\n",
          "monitor B\nvcp 10 50 100\nvcp 62 0x132 0x164\n",
          "monitor C\nvcp 10 5 100 min=10\nvcp 12 100 200 min=150\n"});
    DiscoverMonitors(false);
    EXPECT_EQ(SimTransactionCount(kGetBrightness, 0), 3);
    const MonitorEntry& flat = g_monitors.entries[0];
    EXPECT_EQ(flat.contrast, 40);  // it answered, so the probe went on
    SetBrightness(30);             // a flat range is written with its one raw value
    EXPECT_EQ(SimTransactionCount("SetMonitorBrightness", 0), 1);
    EXPECT_EQ(flat.speakerVolume, 0);
    EXPECT_EQ(flat.speakerVolumeMax, 100);
    EXPECT_EQ(g_monitors.entries[1].speakerVolume, 50);  // low 8 bits of both
    // Values outside their range show as 0 and 100, not as a negative brightness turned into 100.
    EXPECT_EQ(Cells(2).substr(0, 4), L"0|0|");
}

TEST_F(Discovery, ColourTemperatureAndInputAreReadWhenTheVcpListNamesThem) {
    Load({"monitor A\ncapabilities (model(X)vcp(10 12 14(05 08 0B) 62))\nvcp 10 50 100\nvcp 14 0x0B 0x0D\nvcp 62 10 100\n",
          "monitor B\ncapabilities (vcp(10 14 60))\nvcp 10 50 100\nvcp 14 0x0B 0x0D\nvcp 60 0x0F 0x12\n"});
    UiLanguageSet(kLanguageGerman);
    DiscoverMonitors(false);
    EXPECT_TRUE(g_monitors.entries[1].colourTempIsUser);  // named without values, still read
    EXPECT_EQ(g_monitors.entries[1].inputName, L"DisplayPort1");
    // The panel shows the selected monitor in the user's language, its choices and, in a User preset, the gains.
    const FakeCombo combo = FakeComboState(kComboColourTemp);
    EXPECT_EQ(combo.items, (std::vector<std::wstring>{L"6500K", L"9300K", L"User1"}));
    EXPECT_EQ(combo.selected, 2);
    EXPECT_TRUE(FakeComboState(kComboInput).items.empty());
    EXPECT_EQ(FakeSliderPosition(kSliderBrightness), 50);
    EXPECT_EQ(FakeControlText(kLabelBrightness), L"Helligkeit 50");
    EXPECT_EQ(FakeControlText(kLabelSpeaker), L"L10");
    EXPECT_EQ(FakeControlText(kGroupMonitor), MonitorListCell(0, kColumnName));
    EXPECT_TRUE(FakeControlShown(kSliderRed));
    EXPECT_FALSE(FakeControlShown(kLabelNoColours));
}

TEST_F(Discovery, FiftyFailedCapabilityRequestsThenSilence) {
    SimFailAlways(kCapsRequest, -1, 0);
    SimCurrent().latencies = SimLatencies{0, 0, 0, 0};
    DiscoverMonitors(false);
    EXPECT_EQ(SimTransactionCount(kCapsRequest, 0), 50);
    const auto tickOf = [](const std::string& operation) {
        const auto& all = SimTransactions();
        return std::find_if(all.begin(), all.end(), [&](const auto& t) { return t.operation == operation; })->tick;
    };
    EXPECT_EQ(tickOf("GetMonitorRedGreenOrBlueGain") - tickOf(kCapsLength), 50u * 50u);  // the last failure pauses too
    EXPECT_EQ(SimTransactionCount(kGetVcp, 0, 0x14), 0);

    SimClearTransactions();
    g_monitors.forceReread = true;
    DiscoverMonitors(false);
    EXPECT_EQ(SimTransactionCount(kCapsRequest, 0) + SimTransactionCount(kCapsLength, 0), 0);

    // A string longer than any monitor sends is refused before it is requested.
    SetUp();
    SimMonitorAt(0)->capabilities = "(vcp(10 14(05))" + std::string(5000, ' ') + ")";
    DiscoverMonitors(false);
    EXPECT_EQ(SimTransactionCount(kCapsRequest, 0), 0);
    EXPECT_EQ(SimTransactionCount(kCapsLength, 0), 50);
}

TEST_F(Discovery, Use6BReadsTheBacklightCodeAndKeepsTheMinimum) {
    SimMonitorAt(0)->vcp[0x6B] = SimVcp{.current = 40, .maximum = 80};
    g_settings.known[5].mUID = L"UID0";
    g_settings.known[5].use6B = 1;
    g_monitors.entries[0].brightnessMin = 20;
    DiscoverMonitors(false);
    EXPECT_EQ(SimTransactionCount(kGetBrightness, 0), 0);
    EXPECT_EQ(SimTransactionCount(kGetVcp, 0, 0x6B), 1);
    EXPECT_EQ(g_monitors.entries[0].brightness, 33);  // 40 on 20..80
    EXPECT_EQ(SimTransactionCount(kGetBrightness, 1), 1);
}

TEST_F(Discovery, ChangedMonitorSetRestartsOnlyOnLaterPasses) {
    SimMonitorAt(1)->description = L"Another monitor";
    DiscoverMonitors(false);
    DiscoverMonitors(false);
    EXPECT_EQ(FakeRestartRequests(), 0u);
    const std::wstring before = g_monitors.configurationSignature;
    SimMonitorAt(1)->description = L"Yet another monitor";
    DiscoverMonitors(false);
    EXPECT_EQ(FakeRestartRequests(), 1u);
    EXPECT_EQ(g_monitors.previousConfigurationSignature, before);
}

TEST_F(Discovery, CheckBoxesFollowPowerStateAndTheUsersTicksSurviveAPass) {
    SimMonitorAt(1)->vcp[0xD6].current = 4;
    DiscoverMonitors(false);
    const std::vector<FakeListViewRow>& view = FakeMonitorListViewRows();
    ASSERT_EQ(view.size(), 2u);
    EXPECT_TRUE(view[0].checked);
    EXPECT_FALSE(view[1].checked);
    MonitorListOnUserCheck(0, false);
    DiscoverMonitors(false);
    EXPECT_FALSE(g_monitors.entries[0].powerOn);
    EXPECT_FALSE(FakeMonitorListViewRows()[0].checked);

    // A pass that is running refuses a second.
    SimClearTransactions();
    g_monitors.passRunning = true;
    DiscoverMonitors(false);
    EXPECT_TRUE(SimTransactions().empty());
}

}  // namespace
