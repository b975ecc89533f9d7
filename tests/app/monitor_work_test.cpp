#include <gtest/gtest.h>

#include "app/exit_path.h"
#include "app/main_window_work.h"
#include "app/monitor_memory.h"
#include "app/timer_table.h"
#include "monitors/brightness.h"
#include "monitors/discovery.h"
#include "monitors/known_monitors.h"
#include "monitors/monitor_list.h"
#include "monitors/monitor_table.h"
#include "monitors/pending_requests.h"
#include "res/resource.h"
#include "settings/settings.h"
#include "testing/fakes/clock_fake.h"
#include "testing/fakes/display_config_fake.h"
#include "testing/fakes/main_window_fake.h"
#include "testing/fakes/monitor_list_view_fake.h"
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

constexpr std::uint8_t kBrightness = 0x10;
constexpr std::uint8_t kContrast = 0x12;
constexpr std::uint8_t kPower = 0xD6;
constexpr std::uint32_t kPowerOff = 4;

class MonitorWorkTest : public ::testing::Test {
protected:
    void SetUp() override { Start(true); }

    // identified: the displays report monitors with identification strings.
    void Start(bool identified) {
        ResetProgramState();
        if (identified) {
            FakeDisplayConfigSet(L"\\\\.\\DISPLAY1", {10, L"\\\\?\\DISPLAY#DEL4065#5&2c8c0a2e&0&UID4352#{e6f07b5f}", L""});
            FakeDisplayConfigSet(L"\\\\.\\DISPLAY2", {10, L"\\\\?\\DISPLAY#BNQ8020#5&2c8c0a2e&0&UID4353#{e6f07b5f}", L""});
        }
        DiscoverMonitors(false);
        FakeMainWindowReset();
    }

    static std::uint32_t SimValue(std::int32_t monitor, std::uint8_t code) { return SimMonitorAt(monitor)->vcp[code].current; }
    static void SetSimValue(std::int32_t monitor, std::uint8_t code, std::uint32_t value) {
        SimMonitorAt(monitor)->vcp[code].current = value;
    }
    static KnownMonitor& Known(std::int32_t row) { return *KnownMonitorOf(g_monitors.entries[row]); }
    static void Remember(std::int32_t row, std::int32_t brightness, std::int32_t contrast) {
        Known(row).MonitorBrightness = brightness;
        Known(row).MonitorContrast = contrast;
    }
};

TEST_F(MonitorWorkTest, RestoreWritesWhatWasRememberedAndKeepsTheSelection) {
    struct Case {
        bool restorevalues;
        bool cloneMode;
        bool written;
    };
    for (const Case c : {Case{true, false, true}, Case{false, false, false}, Case{true, true, false}}) {
        SetUp();
        Remember(0, 30, 40);
        Remember(1, -1, 20);
        g_settings.restorevalues = c.restorevalues;
        g_monitors.cloneMode = c.cloneMode;
        g_monitors.selectedMonitor = 1;
        RestoreRememberedValues(RestoreMoment::Startup);
        EXPECT_EQ(SimValue(0, kBrightness), c.written ? 30u : 75u) << c.restorevalues << c.cloneMode;
        EXPECT_EQ(SimValue(0, kContrast), c.written ? 40u : 50u);
        EXPECT_EQ(SimValue(1, kBrightness), 60u) << "nothing was remembered";
        EXPECT_EQ(SimValue(1, kContrast), c.written ? 20u : 50u);
        EXPECT_EQ(g_monitors.selectedMonitor, 1);
    }
    EXPECT_EQ(FakeMonitorListViewSelected(), -1) << "a skipped restore shows nothing";
    SetUp();
    g_settings.restorevalues = true;
    g_monitors.selectedMonitor = 1;
    RestoreRememberedValues(RestoreMoment::Startup);
    EXPECT_EQ(FakeMonitorListViewSelected(), 1);

    // Monitors that cannot identify themselves share one slot and get nothing from it.
    Start(false);
    ASSERT_EQ(KnownMonitorOf(g_monitors.entries[0]), KnownMonitorOf(g_monitors.entries[1]));
    g_settings.restorevalues = true;
    Remember(0, 30, 40);
    RestoreRememberedValues(RestoreMoment::Startup);
    EXPECT_EQ(SimValue(1, kBrightness), 60u);
}

TEST_F(MonitorWorkTest, AStartupRestoreCutByALimitKeepsTheRememberedValue) {
    g_monitors.startupPass = false;
    g_settings.restorevalues = true;
    Remember(0, 90, 40);
    g_monitors.entries[0].brightnessLimitMax = 80;
    RestoreRememberedValues(RestoreMoment::Startup);
    EXPECT_EQ(SimValue(0, kBrightness), 80u);
    EXPECT_EQ(Known(0).MonitorBrightness, 90);
    EXPECT_FALSE(g_monitors.startupPass);
}

TEST_F(MonitorWorkTest, ConfigurationCheckWritesBackWhatTheMonitorForgot) {
    g_monitors.startupPass = false;
    g_settings.restorevalues = true;
    Remember(0, 30, 40);
    SetSimValue(0, kBrightness, 90);  // switched back on with its own values
    EXPECT_FALSE(FinishExit(kExitConfigurationCheck, false));
    EXPECT_EQ(SimValue(0, kBrightness), 30u);
    EXPECT_EQ(Known(0).MonitorBrightness, 30);
    EXPECT_TRUE(BrightnessBalloonsHeld());
    EXPECT_FALSE(g_monitors.forceReread || g_monitors.quickRecheck);

    EXPECT_TRUE(RunTimer(kTimerValuesRestored));
    EXPECT_FALSE(BrightnessBalloonsHeld());
}

TEST_F(MonitorWorkTest, ACheckBoxClickTogglesPowerOnlyWhenSafetyAllowsIt) {
    struct Case {
        bool safety;
        bool ctrlShift;
        bool toggled;
    };
    for (const Case c : {Case{true, false, false}, Case{true, true, true}, Case{false, false, true}}) {
        SetUp();
        ASSERT_TRUE(MonitorListIsChecked(1));
        g_settings.safety = c.safety;
        MonitorListOnUserCheck(1, false);
        OnPowerCheckBoxClicked(1, false, c.ctrlShift);
        EXPECT_EQ(SimValue(1, kPower), c.toggled ? kPowerOff : 1u) << c.safety << c.ctrlShift;
        EXPECT_EQ(MonitorListIsChecked(1), !c.toggled);
        EXPECT_EQ(FakeMonitorListViewRows().at(1).checked, !c.toggled);
        EXPECT_EQ(FakeMainWindowTimerActive(kTimerPowerRecheck), c.toggled);
        EXPECT_EQ(SimValue(0, kPower), 1u);
    }
    OnPowerCheckBoxClicked(7, true, true);
    EXPECT_FALSE(g_monitors.entries[7].pendingPowerToggle);
}

TEST_F(MonitorWorkTest, TimersReadWhatChangedBehindTheProgramsBack) {
    g_monitors.startupPass = false;
    SetSimValue(0, kBrightness, 20);
    SetSimValue(1, kPower, kPowerOff);
    DiscoverMonitors(false);
    ASSERT_EQ(g_monitors.entries[0].brightness, 75) << "an ordinary pass reads nothing again";

    EXPECT_TRUE(RunTimer(kTimerPowerRecheck));
    EXPECT_FALSE(g_monitors.entries[1].powerOn);
    EXPECT_FALSE(MonitorListIsChecked(1));

    EXPECT_TRUE(RunTimer(kTimerRereadValues));
    EXPECT_EQ(g_monitors.entries[0].brightness, 20);
    EXPECT_EQ(MonitorListCell(0, kColumnBrightness), L"20");
    EXPECT_EQ(FakeMonitorListViewSelected(), 0);
    EXPECT_FALSE(g_monitors.forceReread || g_monitors.powerRecheck);

    EXPECT_FALSE(RunTimer(0x47));
}

}  // namespace
