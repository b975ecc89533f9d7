// The main window's system events, timers, menu commands and exit paths on the virtual clock:
// the fake main window's timers fire when their time comes, as the window procedure fires them.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>

#include "app/exit_path.h"
#include "app/menu_commands.h"
#include "app/periodic_work.h"
#include "app/system_events.h"
#include "app/timer_table.h"
#include "monitors/discovery.h"
#include "monitors/known_monitors.h"
#include "monitors/monitor_table.h"
#include "platform/files.h"
#include "res/resource.h"
#include "settings/settings.h"
#include "testing/fakes/clock_fake.h"
#include "testing/fakes/instance_fake.h"
#include "testing/fakes/main_window_fake.h"
#include "testing/fakes/requests_fake.h"
#include "testing/fakes/settings_file_fake.h"
#include "testing/fakes/shell_fake.h"
#include "testing/file_text.h"
#include "testing/program_state.h"

namespace {

const std::filesystem::path kLog = std::filesystem::temp_directory_path() / ("lumistrand_events_log.txt-" + std::to_string(ProcessCurrentId()));

struct Outcome {
    std::uint32_t restarts = 0, restartAtMs = 0;
    std::vector<std::uint32_t> checksAtMs;  // configuration checks posted
    int settingsOpened = 0;
};

// Runs the main window for runMs of virtual time in 500 ms steps with the start-up timers
// armed; each event happens at its time, before the timers due then.
Outcome RunMainWindow(const std::vector<std::pair<std::uint32_t, std::function<void()>>>& events, std::uint32_t runMs) {
    Outcome outcome;
    std::map<std::uint32_t, std::uint32_t> due;
    for (const MainWindowTimer& timer : MainWindowTimers()) {
        if (timer.startPeriodMs != 0) due[timer.id] = timer.startPeriodMs;
    }
    std::size_t seen = 0;
    for (std::uint32_t now = 0; now <= runMs; now += 500, FakeClockAdvance(500)) {
        for (const auto& [at, action] : events) {
            if (at == now) action();
        }
        for (bool fired = true; fired;) {
            for (; seen < FakeMainWindowCalls().size(); ++seen) {
                const MainWindowCall& call = FakeMainWindowCalls()[seen];
                if (call.kind == MainWindowCallKind::SetTimer) due[call.id] = now + call.milliseconds;
                if (call.kind == MainWindowCallKind::KillTimer) due.erase(call.id);
            }
            fired = false;
            for (auto& [id, at] : due) {
                if (at > now) continue;
                const MainWindowTimer* timer = FindMainWindowTimer(id);
                if (timer->oneShot) due.erase(id); else at = now + timer->startPeriodMs;
                if (timer->work != nullptr) timer->work();
                fired = true;
                break;
            }
        }
        for (const PostedCommand& command : FakeMainWindowTakePostedCommands()) {
            if (command.commandId == kCommandExit && command.lParam == kExitConfigurationCheck) outcome.checksAtMs.push_back(now);
            outcome.settingsOpened += command.commandId == IDM_SETTINGS ? 1 : 0;
        }
        if (outcome.restarts == 0 && FakeRestartRequests() != 0) outcome.restartAtMs = now;
        outcome.restarts = FakeRestartRequests();
    }
    return outcome;
}

class MainWindowEvents : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
        FakeSettingsFiles().clear();
        std::filesystem::remove(kLog);
        FakeShellFreshRoamingFolder();
        g_settings.logfileflag = true;
        g_settings.logfile = kLog.wstring();
    }
    void TearDown() override { std::filesystem::remove(kLog); }
};

void MonitorOn() { OnPowerSettingChange(PowerSetting::MonitorPower, 1); }

TEST_F(MainWindowEvents, EventsWaitForTheirTimerAndABurstActsOnce) {
    const struct {
        const char* name;
        std::vector<std::pair<std::uint32_t, std::function<void()>>> events;
        Outcome expected;
        const wchar_t* logged;
        std::uint16_t startHour = 12, startMinute = 0;
    } cases[] = {
        {"resume", {{0, OnResumeFromSleep}}, {1, 5000, {}},
         L"PBT_APMRESUMEAUTOMATIC message received 5 seconds ago -> now restart Lumistrand"},
        {"resume, then taskbar and console while it waits", {{0, OnResumeFromSleep}, {1000, OnTaskbarCreated},
         {2000, [] { OnSessionChange(1, 3); }}}, {1, 5000, {}}, L"WTS_CONSOLE_CONNECT -> restart Lumistrand after 5 seconds"},
        {"two display changes", {{0, OnDisplayChange}, {3000, OnDisplayChange}}, {0, 0, {13000}},
         L"WM_DISPLAYCHANGE 10 seconds ago -> now check if configuration has changed"},
        {"first monitor-on is the registration's", {{0, MonitorOn}, {30000, MonitorOn}}, {0, 0, {50000}}, nullptr},
        {"a display change takes over a monitor check", {{0, MonitorOn}, {500, MonitorOn}, {1000, OnDisplayChange}},
         {0, 0, {11000}}, nullptr},
        {"monitor off and other settings", {{0, MonitorOn}, {500, [] { OnPowerSettingChange(PowerSetting::MonitorPower, 0); }},
         {1000, [] { OnPowerSettingChange(PowerSetting::Other, 1); }}}, {}, nullptr},
        {"no taskbar restart while the console is away",
         {{0, [] { OnSessionChange(2, 1); }}, {500, OnTaskbarCreated}, {1000, [] { OnSessionChange(1, 1); }}},
         {1, 6000, {}}, L"WM_WTSSESSION_CHANGE 00000002 00000001"},
        {"height below the known minimum", {{0, [] { OnClientHeight(10); }}, {500, [] { SetMinimumClientHeight(300); }},
         {1000, [] { OnClientHeight(300); }}, {1500, [] { OnClientHeight(299); }}}, {1, 1500, {}},
         L"WM_SIZE decreasing y-client -> restart Lumistrand"},
        {"a new day with a timed line", {{0, [] { g_settings.timed[2] = {7, 0, L"b 20", true}; }}}, {1, 30000, {}},
         L"new day -> reset timer-logic by restarting Lumistrand", 23, 59},
        {"a restart that asked for the settings", {{0, [] { g_settings.showsettings = true; }}}, {0, 0, {}, 1}, nullptr},
        {"a monitor found meanwhile", {{0, [] { NoteMonitorsFoundAtStart(false); }}}, {1, 10000, {}},
         L"meanwhile monitor found -> restart Lumistrand"},
        {"a new day without one", {{0, [] { g_settings.timed[2] = {7, 0, L"b 20", false}; }}}, {}, nullptr, 23, 59},
    };
    for (const auto& c : cases) {
        SetUp();
        ASSERT_TRUE(FakeClockSetLocalTime({2026, 3, 0, 14, c.startHour, c.startMinute, 30, 0}));
        const Outcome outcome = RunMainWindow(c.events, 90000);
        SCOPED_TRACE(c.name);
        EXPECT_EQ(outcome.restarts, c.expected.restarts);
        EXPECT_EQ(outcome.restartAtMs, c.expected.restartAtMs);
        EXPECT_EQ(outcome.checksAtMs, c.expected.checksAtMs);
        EXPECT_EQ(outcome.settingsOpened, c.expected.settingsOpened);
        if (c.logged != nullptr) {
            EXPECT_NE(Utf16FileText(kLog).find(c.logged), std::wstring::npos);
        }
        EXPECT_EQ(Utf16FileText(kLog).find(L"-> now restart", Utf16FileText(kLog).find(L"-> now restart") + 1), std::wstring::npos);
    }
    SetUp();
    for (const PowerSetting setting : {PowerSetting::PowerSource, PowerSetting::PowerSaving, PowerSetting::Other})
        OnPowerSettingChange(setting, 0);
    EXPECT_EQ(PowerSourceChanges(), 2);
}

// Every way out saves the settings pair once, and once the way out is taken another exit
// command, a restart or the session's end add nothing.
TEST_F(MainWindowEvents, EachExitSavesOnceAndOnlyOnce) {
    const struct {
        std::intptr_t kind;
        bool quiet, restart, sessionEnd, asks, saves;
    } cases[] = {
        {kExitUser, false, false, false, true, true},
        {kExitWithoutSaving, false, false, false, true, false},  // uninstall deleted the file
        {kExitRestart, false, true, false, false, true},
        {kExitRestart, true, false, false, false, true},         // the command q
        {kExitUser, false, false, true, true, true},
    };
    EXPECT_FALSE(ExitNeedsConfirmation(kExitConfigurationCheck));
    for (const auto& c : cases) {
        SetUp();
        g_settings.restorevalues = true;
        if (c.quiet) ExitRequestQuiet();
        if (c.restart) {
            EXPECT_TRUE(ExitRequestRestart(true));
        }
        SCOPED_TRACE(testing::Message() << c.kind << c.quiet << c.restart << c.sessionEnd);
        EXPECT_EQ(ExitNeedsConfirmation(c.kind), c.asks);
        EXPECT_TRUE(c.sessionEnd ? EndSession() : FinishExit(c.kind, true));
        int writes = 0;
        for (const auto& [path, file] : FakeSettingsFiles()) writes += file.writes;
        EXPECT_EQ(writes > 0, c.saves);
        EXPECT_FALSE(FinishExit(kExitUser, true) || FinishExit(kExitRestart, true) || EndSession());
        EXPECT_FALSE(ExitRequestRestart(false));
        for (const auto& [path, file] : FakeSettingsFiles()) writes -= file.writes;
        EXPECT_EQ(writes, 0) << "saved again";
    }
}

TEST_F(MainWindowEvents, MenuCommandsRestartSubmitAndToggleTheListMonitor) {
    DiscoverMonitors(false);
    MainWindowAttach(1);
    g_settings.m_editbuffer[14] = L"B 40";
    const struct {
        std::uint32_t id;
        bool restart;
        const wchar_t* logged;
        std::int32_t ignored;  // ignoremonitor of row 1 afterwards
    } cases[] = {
        {IDC_RESCAN_SHORT, true, L"rescan monitors -> restart Lumistrand", 0},
        {IDM_IGNORE_MONITOR, true, L"ignore monitor -> restart Lumistrand", 1},
        {IDM_IGNORE_MONITOR, true, L"utilize monitor -> restart Lumistrand", 0},
        {kMenuEntryLast, false, nullptr, 0},
        {IDM_ENTRY, false, nullptr, 0},
    };
    for (const auto& c : cases) {
        FakeRequestsReset();
        SCOPED_TRACE(c.id);
        EXPECT_TRUE(RunMenuCommand(c.id, 1));
        EXPECT_EQ(FakeRestartRequests(), c.restart ? 1u : 0u);
        if (c.logged != nullptr) {
            EXPECT_NE(Utf16FileText(kLog).find(c.logged), std::wstring::npos);
        }
        EXPECT_EQ(KnownMonitorOf(g_monitors.entries[1])->ignoremonitor, c.ignored);
    }
    ASSERT_EQ(FakeInstanceSentLines().size(), 1u);
    EXPECT_EQ(FakeInstanceSentLines()[0].origin, 1u);
    EXPECT_EQ(std::u16string(FakeInstanceSentLines()[0].block.c_str()), u"b 40");
    EXPECT_EQ(g_settings.lastsettings, 3);
    EXPECT_FALSE(RunMenuCommand(kCommandExit, 1));
}

}  // namespace
