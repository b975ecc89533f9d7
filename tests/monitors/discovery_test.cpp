#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "monitors/brightness.h"
#include "monitors/discovery.h"
#include "monitors/monitor_list.h"
#include "monitors/monitor_table.h"
#include "settings/settings.h"
#include "settings/ui_language.h"
#include "testing/fakes/clock_fake.h"
#include "testing/fakes/control_panel_fake.h"
#include "testing/fakes/display_config_fake.h"
#include "testing/fakes/monitor_list_view_fake.h"
#include "testing/fakes/requests_fake.h"
#include "testing/program_state.h"
#include "testing/sim/sim_config.h"
#include "testing/sim/sim_model.h"
#include "ui/control_panel_presenter.h"

namespace {

constexpr const char* kGetVcp = "GetVCPFeatureAndVCPFeatureReply";
constexpr const char* kGetBrightness = "GetMonitorBrightness";
constexpr const char* kCapsRequest = "CapabilitiesRequestAndCapabilitiesReply";

class Discovery : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
        // Identification is not there yet to tell the monitors apart.
        for (int i = 0; i < kMonitorCount; ++i) {
            g_monitors.entries[i].deviceUid = L"UID" + std::to_wstring(i);
        }
        SimClearTransactions();
    }

    static void Load(const std::string& text) {
        SimConfig config;
        std::string error;
        ASSERT_TRUE(SimParseConfig(text, config, error)) << error;
        SimLoad(config);
    }

    static std::string Display(int n, const std::string& monitorLines) {
        return "display \\\\.\\DISPLAY" + std::to_string(n) + " 0 0 1920 1080\n" + monitorLines;
    }

    static int Count(const std::string& operation, int monitor = -1, int code = -1) {
        int count = 0;
        for (const SimTransaction& t : SimTransactions()) {
            if (t.operation == operation && (monitor < 0 || t.monitor == monitor) && (code < 0 || t.code == code)) {
                ++count;
            }
        }
        return count;
    }

    static int Reads() {
        int count = 0;
        for (const SimTransaction& t : SimTransactions()) {
            count += t.operation.rfind("Get", 0) == 0 && t.monitor >= 0;
        }
        return count;
    }

    static std::string Record() {
        std::string text;
        for (const SimTransaction& t : SimTransactions()) {
            text += SimFormatTransaction(t) + "\n";
        }
        return text;
    }
};

TEST_F(Discovery, FirstPassReadsInOrderAndLaterPassesLeaveAnsweredMonitorsAlone) {
    DiscoverMonitors(false);
    std::vector<std::string> monitor0;
    for (const SimTransaction& t : SimTransactions()) {
        if (t.monitor == 0 && t.operation != "DestroyPhysicalMonitors") {
            monitor0.push_back(t.operation + (t.code >= 0 ? " " + std::to_string(t.code) : ""));
        }
    }
    const std::vector<std::string> expected = {
        "GetMonitorBrightness 16", "GetMonitorContrast 18", "GetVCPFeatureAndVCPFeatureReply 214",
        "GetCapabilitiesStringLength", "CapabilitiesRequestAndCapabilitiesReply",
        "GetVCPFeatureAndVCPFeatureReply 20", "GetVCPFeatureAndVCPFeatureReply 96",
        "GetMonitorRedGreenOrBlueGain 0", "GetMonitorRedGreenOrBlueGain 1", "GetMonitorRedGreenOrBlueGain 2",
        "GetVCPFeatureAndVCPFeatureReply 98",
    };
    EXPECT_EQ(monitor0, expected) << Record();
    EXPECT_EQ(SimOpenHandleCount(), 0u);

    const MonitorEntry& first = g_monitors.entries[0];
    EXPECT_EQ(first.brightness, 75);
    EXPECT_EQ(first.contrast, 50);
    EXPECT_EQ(first.red, 128);  // 50 of 100 on the 0..255 scale, rounded half up
    EXPECT_EQ(first.speakerVolume, 30);
    EXPECT_EQ(first.capsModel, L"RTK");
    EXPECT_EQ(first.colourTempName, L"6500K");
    EXPECT_EQ(first.inputName, L"VGA1");
    EXPECT_EQ(g_monitors.entries[1].inputName, L"DisplayPort1");
    EXPECT_TRUE(first.ddcCapable);
    EXPECT_EQ(MonitorListRowCount(), 2);
    EXPECT_EQ(MonitorListCell(0, kColumnBrightness), L"75");
    EXPECT_EQ(MonitorListCell(0, kColumnRed), L"128");
    EXPECT_EQ(MonitorListCell(1, kColumnRed), L"0");  // no gains: the row shows the stored 0

    SimClearTransactions();
    SimMonitorAt(0)->vcp[0x10].current = 20;
    DiscoverMonitors(false);
    EXPECT_EQ(Reads(), 0) << Record();
    EXPECT_EQ(MonitorListCell(0, kColumnBrightness), L"75");

    g_monitors.forceReread = true;
    DiscoverMonitors(false);
    EXPECT_EQ(MonitorListCell(0, kColumnBrightness), L"20");
    EXPECT_EQ(Count(kCapsRequest), 0);  // a stored capabilities string is reused
}

TEST_F(Discovery, RechecksOfTheMainWindowStopTheProbeEarly) {
    struct Case {
        bool quick, power;
        std::vector<std::string> reads;
    } cases[] = {
        {true, false, {"GetMonitorBrightness", "GetMonitorContrast"}},
        {false, true, {"GetMonitorBrightness", "GetMonitorContrast", "GetVCPFeatureAndVCPFeatureReply"}},
    };
    for (const Case& c : cases) {
        SetUp();
        DiscoverMonitors(false);
        g_settings.known[0].MonitorBrightness = 11;
        SimClearTransactions();
        g_monitors.forceReread = true;
        g_monitors.quickRecheck = c.quick;
        g_monitors.powerRecheck = c.power;
        DiscoverMonitors(false);
        std::vector<std::string> reads;
        for (const SimTransaction& t : SimTransactions()) {
            if (t.monitor == 0 && t.operation != "DestroyPhysicalMonitors") reads.push_back(t.operation);
        }
        EXPECT_EQ(reads, c.reads) << Record();
        // Values are remembered for the monitor only outside the quick re-check.
        EXPECT_EQ(g_settings.known[0].MonitorBrightness, c.quick ? 11 : 75);
    }
}

TEST_F(Discovery, RetryCountsAndPausesOfEachRead) {
    struct Case {
        const char* failing;
        int code;
        int expected;
    } cases[] = {
        {"GetMonitorBrightness", -1, 3},       {"GetMonitorContrast", -1, 3},
        {"GetMonitorRedGreenOrBlueGain", -1, 9}, {kGetVcp, 0xD6, 10},
        {kGetVcp, 0x14, 10},                   {kGetVcp, 0x60, 10},
        {kGetVcp, 0x62, 5},                    {kGetVcp, 0xC0, 0},
        {kGetVcp, 0xDC, 0},
    };
    for (const Case& c : cases) {
        SetUp();
        SimFailAlways(c.failing, -1, 0);
        DiscoverMonitors(false);
        EXPECT_EQ(Count(c.failing, 0, c.code), c.expected) << c.failing << " " << c.code << "\n" << Record();
        EXPECT_EQ(Count(c.failing, 1, c.code) > 0, c.code != 0xC0 && c.code != 0xDC) << c.failing;
    }

    SetUp();
    SimFailAlways(kGetBrightness, -1, 0);
    DiscoverMonitors(false);
    std::vector<std::uint32_t> ticks;
    for (const SimTransaction& t : SimTransactions()) {
        if (t.operation == kGetBrightness && t.monitor == 0) ticks.push_back(t.tick);
    }
    ASSERT_EQ(ticks.size(), 3u);
    EXPECT_EQ(ticks[1] - ticks[0], 50u + 40u);  // pause plus the reply time
    EXPECT_EQ(MonitorListCell(0, kColumnBrightness), L"?");
    EXPECT_EQ(MonitorListCell(0, kColumnContrast), L"?");
    EXPECT_EQ(MonitorListCell(0, kColumnRed), L"");

    // A monitor that never answered gets one attempt without pause on later passes.
    SimClearTransactions();
    DiscoverMonitors(false);
    EXPECT_EQ(Count(kGetBrightness, 0), 1);
}

TEST_F(Discovery, NoAnsweringMonitorMeansThreeAttemptsAndAnUnchangedSelection) {
    SimFailAlways(kGetBrightness, -1, -1);
    g_monitors.selectedMonitor = 7;
    DiscoverMonitors(false);
    EXPECT_EQ(Count("GetNumberOfPhysicalMonitorsFromHMONITOR"), 3 * 2);
    EXPECT_EQ(Count(kGetBrightness), 3 * 2 * 3);
    EXPECT_EQ(g_monitors.selectedMonitor, 7);
    EXPECT_EQ(MonitorListRowCount(), 2);
}

TEST_F(Discovery, SelectionIsClampedToTheRows) {
    std::string text;
    for (int n = 1; n <= 3; ++n) text += Display(n, "monitor M\nvcp 10 50 100\n");
    Load(text);
    g_monitors.selectedMonitor = 7;
    DiscoverMonitors(false);
    EXPECT_EQ(g_monitors.selectedMonitor, 2);
    g_monitors.selectedMonitor = -3;
    DiscoverMonitors(false);
    EXPECT_EQ(g_monitors.selectedMonitor, 0);
}

TEST_F(Discovery, ElevenDisplaysGiveTenRowsAndTheEleventhIsNotTouched) {
    std::string text;
    for (int n = 1; n <= 11; ++n) text += Display(n, "monitor M\nvcp 10 50 100\n");
    Load(text);
    DiscoverMonitors(false);
    EXPECT_EQ(MonitorListRowCount(), 10);
    for (const SimTransaction& t : SimTransactions()) {
        EXPECT_NE(t.display, 10) << SimFormatTransaction(t);
        EXPECT_NE(t.monitor, 10) << SimFormatTransaction(t);
    }
}

TEST_F(Discovery, DuplicatedDisplaysSkipBindingAndShowDeviceNames) {
    Load(Display(1, "monitor A\nvcp 10 50 100\nmonitor B\nvcp 10 60 100\n"));
    DiscoverMonitors(false);
    EXPECT_TRUE(g_monitors.cloneMode);
    ASSERT_EQ(MonitorListRowCount(), 2);
    EXPECT_EQ(MonitorListCell(0, kColumnName), L"DISPLAY1");
    EXPECT_EQ(MonitorListCell(1, kColumnName), L"DISPLAY1");
    EXPECT_EQ(MonitorListCell(1, kColumnBrightness), L"60");
    for (const KnownMonitor& known : g_settings.known) EXPECT_TRUE(known.mUID.empty());
}

TEST_F(Discovery, RangeEdgesOfBrightnessAndSpeaker) {
    Load(Display(1, "monitor A\nvcp 10 50 50 min=50\nvcp 12 40 100\nvcp 62 255 100\n") +
         Display(2, "monitor B\nvcp 10 50 100\nvcp 62 0x132 0x164\n") +
         Display(3, "monitor C\nvcp 10 5 100 min=10\nvcp 12 100 200 min=150\n"));
    DiscoverMonitors(false);
    EXPECT_EQ(Count(kGetBrightness, 0), 3);
    const MonitorEntry& flat = g_monitors.entries[0];
    EXPECT_TRUE(flat.ddcCapable);
    EXPECT_EQ(flat.brightnessMax, 50);  // not converted, but kept so that writes send 50
    SetBrightness(30);
    EXPECT_EQ(Count("SetMonitorBrightness", 0), 1);
    EXPECT_EQ(flat.contrast, 40);  // yet it answered, so the probe went on
    EXPECT_EQ(flat.speakerVolume, 0);
    EXPECT_EQ(flat.speakerVolumeMax, 100);
    EXPECT_EQ(g_monitors.entries[1].speakerVolume, 50);  // low 8 bits of both
    // Values outside their range show as 0 and 100, not as a negative brightness turned into 100.
    EXPECT_EQ(MonitorListCell(2, kColumnBrightness), L"0");
    EXPECT_EQ(MonitorListCell(2, kColumnContrast), L"0");
}

TEST_F(Discovery, ColourTemperatureListFillsTheChoicesOfTheSelectedMonitor) {
    Load(Display(1, "monitor A\ncapabilities (model(X)vcp(10 12 14(05 08 0B) 62))\nvcp 10 50 100\nvcp 14 0x0B 0x0D\n"
                    "vcp 62 10 100\n") +
         Display(2, "monitor B\ncapabilities (vcp(10 14 60))\nvcp 10 50 100\nvcp 14 0x0B 0x0D\nvcp 60 0x0F 0x12\n"));
    DiscoverMonitors(false);
    EXPECT_TRUE(g_monitors.entries[1].colourTempIsUser);  // named without values, still read
    EXPECT_EQ(g_monitors.entries[1].inputName, L"DisplayPort1");
    const FakeCombo combo = FakeComboState(kComboColourTemp);
    EXPECT_EQ(combo.items, (std::vector<std::wstring>{L"6500K", L"9300K", L"User1"}));
    EXPECT_EQ(combo.selected, 2);
    EXPECT_TRUE(g_monitors.entries[0].colourTempIsUser);
    EXPECT_TRUE(FakeControlShown(kSliderRed));
    EXPECT_FALSE(FakeControlShown(kLabelNoColours));
    EXPECT_TRUE(FakeControlShown(kSliderSpeaker));
    EXPECT_TRUE(FakeComboState(kComboInput).items.empty());
}

TEST_F(Discovery, FiftyFailedCapabilityRequestsThenSilence) {
    SimFailAlways(kCapsRequest, -1, 0);
    SimCurrent().latencies = SimLatencies{0, 0, 0, 0};
    DiscoverMonitors(false);
    EXPECT_EQ(Count(kCapsRequest, 0), 50);
    const auto tickOf = [](const std::string& operation) {
        for (const SimTransaction& t : SimTransactions()) {
            if (t.operation == operation && t.monitor == 0) return t.tick;
        }
        return 0u;
    };
    EXPECT_EQ(tickOf("GetMonitorRedGreenOrBlueGain") - tickOf("GetCapabilitiesStringLength"), 50u * 50u);  // the last pauses too
    EXPECT_EQ(g_monitors.entries[0].capsAttemptsLeft, 1);
    EXPECT_EQ(Count(kGetVcp, 0, 0x14), 0);
    for (const std::wstring& choice : g_monitors.entries[0].colourTempChoices) EXPECT_TRUE(choice.empty());

    SimClearTransactions();
    g_monitors.forceReread = true;
    DiscoverMonitors(false);
    EXPECT_EQ(Count(kCapsRequest, 0) + Count("GetCapabilitiesStringLength", 0), 0);
    EXPECT_GT(Count(kGetBrightness, 0), 0);
}

TEST_F(Discovery, OverlongCapabilitiesAreRefusedWithoutARequest) {
    SimMonitorAt(0)->capabilities = "(vcp(10 14(05))" + std::string(5000, ' ') + ")";
    DiscoverMonitors(false);
    EXPECT_EQ(Count(kCapsRequest, 0), 0);
    EXPECT_EQ(Count("GetCapabilitiesStringLength", 0), 50);
    EXPECT_TRUE(g_monitors.entries[0].capabilities.empty());
}

TEST_F(Discovery, Use6BReadsTheBacklightCodeAndKeepsTheMinimum) {
    SimMonitorAt(0)->vcp[0x6B] = SimVcp{.current = 40, .maximum = 80};
    g_settings.known[5].mUID = L"UID0";
    g_settings.known[5].use6B = 1;
    g_monitors.entries[0].brightnessMin = 20;
    DiscoverMonitors(false);
    EXPECT_EQ(Count(kGetBrightness, 0), 0);
    EXPECT_EQ(Count(kGetVcp, 0, 0x6B), 1);
    EXPECT_EQ(g_monitors.entries[0].brightnessMin, 20);
    EXPECT_EQ(g_monitors.entries[0].brightness, 33);
    EXPECT_EQ(g_monitors.entries[0].brightnessMax, 80);
    EXPECT_EQ(Count(kGetBrightness, 1), 1);
}

TEST_F(Discovery, ChangedMonitorSetRestartsOnlyOnLaterPasses) {
    DiscoverMonitors(false);
    DiscoverMonitors(false);
    EXPECT_EQ(FakeRestartRequests(), 0u);
    const std::wstring before = g_monitors.configurationSignature;
    SimMonitorAt(1)->description = L"Another monitor";
    DiscoverMonitors(false);
    EXPECT_EQ(FakeRestartRequests(), 1u);
    EXPECT_EQ(g_monitors.previousConfigurationSignature, before);

    SetUp();
    SimMonitorAt(1)->description = L"Another monitor";
    DiscoverMonitors(false);
    EXPECT_EQ(FakeRestartRequests(), 0u);
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
}

TEST_F(Discovery, RunningPassRefusesASecond) {
    g_monitors.passRunning = true;
    DiscoverMonitors(false);
    EXPECT_TRUE(SimTransactions().empty());
    EXPECT_EQ(MonitorListRowCount(), 0);
}

TEST_F(Discovery, PanelShowsTheSelectedMonitorInTheUsersLanguage) {
    g_monitors.selectedMonitor = 0;
    UiLanguageSet(kLanguageGerman);
    DiscoverMonitors(false);
    EXPECT_EQ(FakeSliderPosition(kSliderBrightness), 25);
    EXPECT_EQ(FakeSliderPosition(kSliderContrast), 50);
    EXPECT_EQ(FakeSliderPosition(kSliderRed), 127);
    EXPECT_EQ(FakeSliderPosition(kSliderSpeaker), 70);
    EXPECT_EQ(FakeControlText(kLabelBrightness), L"Helligkeit 75");
    EXPECT_EQ(FakeControlText(kLabelSpeaker), L"L30");
    EXPECT_EQ(FakeControlText(kGroupMonitor), MonitorListCell(0, kColumnName));
    // 6500K is not a user setting: the gains give way to the hint.
    EXPECT_FALSE(FakeControlShown(kSliderRed));
    EXPECT_TRUE(FakeControlShown(kLabelNoColours));
}

TEST_F(Discovery, FindMonitorByDisplayNumbersMonitorsAcrossDisplays) {
    Load(Display(1, "monitor A\n") + Display(2, "monitor B\nmonitor C\n") + Display(3, "monitor D\n"));
    const struct {
        DisplayHandle display;
        std::int32_t selected;
    } cases[] = {{3, 3}, {2, 1}, {1, 0}, {9, 0}};
    for (const auto& c : cases) {
        FindMonitorByDisplay(c.display);
        EXPECT_EQ(g_monitors.selectedMonitor, c.selected) << c.display;
    }
    EXPECT_EQ(SimOpenHandleCount(), 0u);
}

TEST_F(Discovery, EveryMonitorOperationIsLoggedWithItsOutcomeAndValues) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "lumistrand_discovery_log";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    g_settings.logfileflag = true;
    g_settings.logfile = (folder / "log.txt").wstring();
    SimFailNext(1, kGetBrightness, 1);
    DiscoverMonitors(false);
    g_settings.logfileflag = false;

    std::ifstream file(folder / "log.txt", std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    std::wstring log;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        log += static_cast<wchar_t>(static_cast<unsigned char>(bytes[i]) | (static_cast<unsigned char>(bytes[i + 1]) << 8));
    }
    for (const wchar_t* expected : {
             L"GetNumberOfPhysicalMonitorsFromHMONITOR SUCCESS  \r\n",
             L"GetMonitorBrightness SUCCESS  \r\n",
             L"MinimumBrightness 0  CurrentBrightness 75  MaximumBrightness 100\r\n",
             L"GetMonitorBrightness ERROR  \r\n",
             L"VCP 0xD6 Get Power Mode SUCCESS  \r\n",
             L"CapabilitiesRequestAndCapabilitiesReply SUCCESS  \r\n",
             L"  (prot(monitor)type(LCD)model(RTK)",
             L"VCP 0x14 Get Monitor color temperature SUCCESS  \r\n",
             L"  6500K\r\n",
             L"MinimumGREEN 0  CurrentGREEN 50  MaximumGREEN 100\r\n",
             L"GetMonitorGain_Blue ERROR  \r\n",
             L"current Volume 30  maximum Volume 100\r\n",
             L"monitorname  DISPLAY2\r\n",
         }) {
        EXPECT_NE(log.find(expected), std::wstring::npos) << std::string(expected, expected + std::wcslen(expected));
    }
    std::filesystem::remove_all(folder);
}

TEST(PanelVisibility, LaptopPanelHidesWhatItCannotDo) {
    ResetProgramState();
    MonitorEntry& laptop = g_monitors.entries[0];
    laptop.isLaptopPanel = true;
    laptop.brightnessMax = 100;
    laptop.speakerVolumeMax = 100;
    PanelShowControls(0, false);
    for (int id : {1109, 1070, 1069, 1116, 1113, 1115, 1368, 1117, 1041, 1318, 1319, 1003, 1039, 40022, 40041, 40042,
                   1354, 1355}) {
        EXPECT_FALSE(FakeControlShown(id)) << id;
        EXPECT_TRUE(FakeControlWasSetVisible(id)) << id;
    }
    EXPECT_TRUE(FakeControlShown(1104));
    EXPECT_TRUE(FakeControlShown(1106));

    FakeControlPanelReset();
    g_settings.showRGB = false;
    MonitorEntry& external = g_monitors.entries[1];
    external.saturationInfo.maximum = 100;
    PanelShowControls(1, false);
    EXPECT_FALSE(FakeControlWasSetVisible(1113));  // the advanced column is not shown at all
    EXPECT_FALSE(FakeControlShown(1355));
    EXPECT_TRUE(FakeControlShown(1039));
    EXPECT_TRUE(FakeControlShown(40030));
    EXPECT_FALSE(FakeControlShown(1104));
    EXPECT_FALSE(FakeControlShown(1106));
}

}  // namespace
