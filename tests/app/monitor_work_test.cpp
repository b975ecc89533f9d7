// The main window's monitor work: remembered values, the exit path's configuration check,
// the power check boxes and the monitor timers, against two discovered simulated monitors.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/exit_path.h"
#include "app/main_window_work.h"
#include "app/monitor_memory.h"
#include "app/timer_table.h"
#include "automation/dimming.h"
#include "automation/program_triggers.h"
#include "automation/timed_lines.h"
#include "hooks/handover.h"
#include "monitors/brightness.h"
#include "monitors/configuration_signature.h"
#include "monitors/discovery.h"
#include "monitors/known_monitors.h"
#include "monitors/monitor_list.h"
#include "monitors/monitor_table.h"
#include "monitors/pending_requests.h"
#include "res/resource.h"
#include "settings/settings.h"
#include "testing/fakes/clock_fake.h"
#include "testing/fakes/display_config_fake.h"
#include "testing/fakes/foreground_fake.h"
#include "testing/fakes/input_fake.h"
#include "testing/fakes/instance_fake.h"
#include "testing/fakes/main_window_fake.h"
#include "testing/fakes/monitor_list_view_fake.h"
#include "testing/fakes/shell_fake.h"
#include "testing/program_state.h"
#include "testing/sim/sim_model.h"

namespace {

// Runs a fired timer's work as the main window does; false when the id has none.
bool RunTimer(std::uint32_t id) {
    const MainWindowTimer* timer = FindMainWindowTimer(id);
    if (timer == nullptr || timer->work == nullptr) return false;
    timer->work();
    return true;
}

constexpr std::uint8_t kBrightness = 0x10, kContrast = 0x12, kPower = 0xD6;
constexpr std::uint32_t kPowerOff = 4;

class MonitorWorkTest : public ::testing::Test {
protected:
    void SetUp() override { Start(true); }

    // identified: the displays report monitors with identification strings.
    void Start(bool identified) {
        ResetProgramState();
        roaming_ = FakeShellFreshRoamingFolder();
        if (identified) {
            FakeDisplayConfigSet(L"\\\\.\\DISPLAY1", {10, L"\\\\?\\DISPLAY#DEL4065#5&2c8c0a2e&0&UID4352#{e6f07b5f}", L""});
            FakeDisplayConfigSet(L"\\\\.\\DISPLAY2", {10, L"\\\\?\\DISPLAY#BNQ8020#5&2c8c0a2e&0&UID4353#{e6f07b5f}", L""});
        }
        DiscoverMonitors(false);
        g_monitors.startupPass = false;
        g_monitors.configurationSignature = BuildConfigurationSignature();
        FakeMainWindowReset();
    }

    static std::uint32_t& Sim(std::int32_t monitor, std::uint8_t code) { return SimMonitorAt(monitor)->vcp[code].current; }
    static KnownMonitor& Known(std::int32_t row) { return *KnownMonitorOf(g_monitors.entries[row]); }
    static void Remember(std::int32_t row, std::int32_t brightness, std::int32_t contrast) {
        Known(row).MonitorBrightness = brightness;
        Known(row).MonitorContrast = contrast;
    }

    std::filesystem::path roaming_;
};

TEST_F(MonitorWorkTest, RestoreWritesWhatWasRememberedAndKeepsTheSelection) {
    struct Case {
        bool restorevalues, cloneMode, written;
        std::int32_t limitMax;
        std::uint32_t brightness;  // a value cut by a limit is written cut, but the remembered one stays
    };
    for (const Case c : {Case{true, false, true, 100, 90}, Case{false, false, false, 100, 75},
                         Case{true, true, false, 100, 75}, Case{true, false, true, 80, 80}}) {
        SetUp();
        Remember(0, 90, 40);
        Remember(1, -1, 20);
        const KnownMonitor& first = Known(0);  // duplicated displays have none
        g_settings.restorevalues = c.restorevalues;
        g_monitors.cloneMode = c.cloneMode;
        g_monitors.entries[0].brightnessLimitMax = c.limitMax;
        g_monitors.selectedMonitor = 1;
        RestoreRememberedValues(RestoreMoment::Startup);
        SCOPED_TRACE(testing::Message() << c.restorevalues << c.cloneMode << c.limitMax);
        EXPECT_EQ(Sim(0, kBrightness), c.brightness);
        EXPECT_EQ(Sim(0, kContrast), c.written ? 40u : 50u);
        EXPECT_EQ(first.MonitorBrightness, 90);
        EXPECT_EQ(Sim(1, kBrightness), 60u) << "nothing was remembered";
        EXPECT_EQ(g_monitors.selectedMonitor, 1);
        EXPECT_EQ(FakeMonitorListViewSelected(), c.written ? 1 : -1) << "a skipped restore shows nothing";
    }

    // Monitors that cannot identify themselves share one slot and get nothing from it.
    Start(false);
    ASSERT_EQ(KnownMonitorOf(g_monitors.entries[0]), KnownMonitorOf(g_monitors.entries[1]));
    g_settings.restorevalues = true;
    Remember(0, 30, 40);
    RestoreRememberedValues(RestoreMoment::Startup);
    EXPECT_EQ(Sim(1, kBrightness), 60u);
}

TEST_F(MonitorWorkTest, ConfigurationCheckStaysWithTheSameMonitorsAndRestartsForOthers) {
    g_settings.restorevalues = true;
    Remember(0, 30, 40);
    Sim(0, kBrightness) = 90;  // switched back on with its own values
    EXPECT_FALSE(FinishExit(kExitConfigurationCheck, false));
    EXPECT_FALSE(ExitState().restartRequested || ExitState().configurationChanged);
    EXPECT_EQ(Sim(0, kBrightness), 30u);
    EXPECT_TRUE(BrightnessBalloonsHeld());
    EXPECT_FALSE(g_monitors.forceReread || g_monitors.quickRecheck);
    EXPECT_TRUE(RunTimer(kTimerValuesRestored));
    EXPECT_FALSE(BrightnessBalloonsHeld());

    g_settings.restorevalues = false;
    FakeMainWindowReset();
    EXPECT_FALSE(FinishExit(kExitConfigurationCheck, false));
    EXPECT_FALSE(FakeMainWindowTimerActive(kTimerValuesRestored));

    // Changed monitors restart hidden unless the user or a quiet exit ends the program.
    const struct {
        std::intptr_t kind;
        bool quiet, panelVisible, restart, marker;
    } cases[] = {
        {kExitConfigurationCheck, false, false, true, true},
        {kExitConfigurationCheck, false, true, true, false},
        {kExitUser, false, false, false, false},
        {kExitRestart, true, false, false, false},
    };
    for (const auto& c : cases) {
        SetUp();
        SimCurrent().displays.pop_back();
        if (c.quiet) ExitRequestQuiet();
        SCOPED_TRACE(testing::Message() << c.kind << c.quiet << c.panelVisible);
        EXPECT_TRUE(FinishExit(c.kind, c.panelVisible));
        EXPECT_TRUE(ExitState().configurationChanged);
        EXPECT_EQ(ExitState().restartRequested, c.restart);
        EXPECT_EQ(std::filesystem::exists(roaming_ / "Lumistrand" / "hiddenrestart"), c.marker);
        EXPECT_EQ(g_settings.hiddenrestart, c.marker);
    }
    // A changed set is compared only once, however it changes after.
    SetUp();
    const SimDisplay unplugged = SimCurrent().displays.back();
    SimCurrent().displays.pop_back();
    CompareMonitorConfiguration(false);
    ASSERT_TRUE(ExitState().restartRequested);
    SimCurrent().displays.push_back(unplugged);
    SimClearTransactions();
    CompareMonitorConfiguration(false);
    EXPECT_TRUE(SimTransactions().empty()) << "the second change is not compared";
}

// What a trigger or the dimming kept aside is back in the monitors, and so in the saved
// settings, once the program ends; a trigger's values go to no other monitor when its own is
// gone. A timed line waits while the trigger is active.
TEST_F(MonitorWorkTest, AnExitPutsBackWhatTriggersAndDimmingKeptAside) {
    for (const bool unplugged : {false, true}) {
        SetUp();
        Known(1).Dim = unplugged ? 0 : 1;
        Known(1).DimPeriod = 1;
        Known(1).DimBrightness = 10;
        for (const std::uint32_t idle : {60001u, 500u, 60001u}) {
            if (idle == 500) NoteInput(ClockTickCount());
            FakeClockAdvance(idle);
            DimCheck();
            EXPECT_EQ(Sim(1, kBrightness), unplugged || idle == 500 ? 60u : 10u);
        }
        g_settings.fullScreen[0] = {L"C:\\game.exe", L"b 20"};
        g_settings.timed[0] = {0, 0, L"c 30", true};
        FakeForegroundSet({1, true, L"D:\\game.exe", L"", {0, 0, 1920, 1080}, {0, 0, 1920, 1080}, L"\\\\.\\DISPLAY1"});
        CheckProgramTriggers();
        RunTimedCommandLines();
        EXPECT_EQ(FakeInstanceSentLines().size(), 1u) << "the trigger's line only";
        SetBrightness(20);  // what that line does
        if (unplugged) SimCurrent().displays.erase(SimCurrent().displays.begin());
        EXPECT_TRUE(FinishExit(kExitUser, false));
        RunTimedCommandLines();
        EXPECT_EQ(FakeInstanceSentLines().size(), 2u);
        const std::int32_t benq = unplugged ? 0 : 1;
        EXPECT_EQ(Sim(benq, kBrightness), 60u) << unplugged;
        EXPECT_EQ(Sim(0, kBrightness), unplugged ? 60u : 75u);
        EXPECT_EQ(Known(benq).MonitorBrightness, 60) << "the BenQ's record keeps its own value " << unplugged;
    }
}

TEST_F(MonitorWorkTest, WithSameValuesEachMonitorDimsAndReturnsOnItsOwn) {
    g_settings.samevalues = true;
    for (const std::int32_t row : {0, 1}) {
        Known(row).Dim = Known(row).DimPeriod = 1;
        Known(row).DimBrightness = 10 + 10 * row;
    }
    FakeClockAdvance(60001);
    DimCheck();
    EXPECT_EQ(std::pair(Sim(0, kBrightness), Sim(1, kBrightness)), std::pair(10u, 20u));
    NoteInput(ClockTickCount());
    FakeClockAdvance(500);
    DimCheck();
    EXPECT_EQ(std::pair(Sim(0, kBrightness), Sim(1, kBrightness)), std::pair(75u, 60u));
}

TEST_F(MonitorWorkTest, ACheckBoxClickTogglesPowerOnlyWhenSafetyAllowsIt) {
    struct Case {
        bool safety, ctrlShift, toggled;
    };
    for (const Case c : {Case{true, false, false}, Case{true, true, true}, Case{false, false, true}}) {
        SetUp();
        ASSERT_TRUE(MonitorListIsChecked(1));
        g_settings.safety = c.safety;
        MonitorListOnUserCheck(1, false);
        OnPowerCheckBoxClicked(1, false, c.ctrlShift);
        SCOPED_TRACE(testing::Message() << c.safety << c.ctrlShift);
        EXPECT_EQ(Sim(1, kPower), c.toggled ? kPowerOff : 1u);
        EXPECT_EQ(FakeMonitorListViewRows().at(1).checked, !c.toggled);
        EXPECT_EQ(FakeMainWindowTimerActive(kTimerPowerRecheck), c.toggled);
        EXPECT_EQ(Sim(0, kPower), 1u);
    }
    OnPowerCheckBoxClicked(7, true, true);
    EXPECT_FALSE(g_monitors.entries[7].pendingPowerToggle);
}

TEST_F(MonitorWorkTest, TimersFollowWhatChangedBehindTheProgramsBack) {
    Sim(0, kBrightness) = 20;
    Sim(1, kPower) = kPowerOff;
    DiscoverMonitors(false);
    ASSERT_EQ(g_monitors.entries[0].brightness, 75) << "an ordinary pass reads nothing again";
    EXPECT_TRUE(RunTimer(kTimerPowerRecheck));
    EXPECT_FALSE(MonitorListIsChecked(1));
    EXPECT_TRUE(RunTimer(kTimerRereadValues));
    EXPECT_EQ(MonitorListCell(0, kColumnBrightness), L"20");
    EXPECT_EQ(FakeMonitorListViewSelected(), 0);
    EXPECT_FALSE(g_monitors.forceReread || g_monitors.powerRecheck);
    EXPECT_FALSE(RunTimer(0x47));

    FakeInputSetPointerDisplay(2);
    for (const bool autoselect : {false, true}) {
        g_settings.autoselect = autoselect;
        EXPECT_TRUE(RunTimer(kTimerHalfSecond));
        EXPECT_EQ(g_monitors.selectedMonitor, autoselect ? 1 : 0) << "autoselect takes the monitor under the pointer";
    }

    g_settings.transferbrightness = g_settings.checkambient = true;
    g_settings.source_brightness = L"1";
    g_settings.destination_brightness = L"2";
    EXPECT_TRUE(RunTimer(kTimerTenSeconds));
    EXPECT_EQ(Sim(1, kBrightness), 20u) << "the ten-second timer copies the source's brightness";
}

}  // namespace
