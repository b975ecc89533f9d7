#include "app/exit_path.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "monitors/configuration_signature.h"
#include "monitors/discovery.h"
#include "monitors/monitor_list.h"
#include "monitors/monitor_table.h"
#include "res/resource.h"
#include "settings/settings.h"
#include "testing/fakes/clock_fake.h"
#include "testing/fakes/main_window_fake.h"
#include "testing/fakes/shell_fake.h"
#include "testing/program_state.h"
#include "testing/sim/sim_model.h"

namespace {

class ExitPathTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
        roaming_ = std::filesystem::temp_directory_path() /
                   ("lumistrand-exit-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(roaming_);
        std::filesystem::create_directories(roaming_);
        FakeShellSetRoamingFolder(roaming_.wstring());
        DiscoverMonitors(false);
        g_monitors.startupPass = false;
        g_monitors.configurationSignature = BuildConfigurationSignature();
    }
    void TearDown() override { std::filesystem::remove_all(roaming_); }

    bool MarkerExists() const { return std::filesystem::exists(roaming_ / "Lumistrand" / "hiddenrestart"); }

    std::filesystem::path roaming_;
};

TEST_F(ExitPathTest, OnlyAnUnrequestedExitAsks) {
    EXPECT_TRUE(ExitNeedsConfirmation(kExitUser));
    EXPECT_TRUE(ExitNeedsConfirmation(kExitWithoutSaving));
    EXPECT_FALSE(ExitNeedsConfirmation(kExitConfigurationCheck));
    ExitRequestRestart(false);
    EXPECT_FALSE(ExitNeedsConfirmation(kExitRestart));
    ExitResetState();
    ExitRequestQuiet();
    EXPECT_FALSE(ExitNeedsConfirmation(kExitUser));
}

TEST_F(ExitPathTest, CheckWithTheSameMonitorsStaysAndRestoresValues) {
    EXPECT_FALSE(FinishExit(kExitConfigurationCheck, false));
    EXPECT_FALSE(ExitState().restartRequested);
    EXPECT_FALSE(ExitState().configurationChanged);
    EXPECT_TRUE(FakeMainWindowTimerActive(kTimerValuesRestored));

    g_settings.restorevalues = false;
    FakeMainWindowReset();
    EXPECT_FALSE(FinishExit(kExitConfigurationCheck, false));
    EXPECT_FALSE(FakeMainWindowTimerActive(kTimerValuesRestored));
}

TEST_F(ExitPathTest, ChangedMonitorsRestartHiddenUnlessTheUserOrAQuietExitEnds) {
    struct Case {
        std::intptr_t kind;
        bool quiet;
        bool panelVisible;
        bool restart;
        bool marker;
    };
    const Case cases[] = {
        {kExitConfigurationCheck, false, false, true, true},
        {kExitConfigurationCheck, false, true, true, false},
        {kExitUser, false, false, false, false},
        {kExitRestart, true, false, false, false},
    };
    for (const Case& c : cases) {
        SetUp();
        SimCurrent().displays.pop_back();
        if (c.quiet) ExitRequestQuiet();
        EXPECT_TRUE(FinishExit(c.kind, c.panelVisible)) << c.kind;
        EXPECT_TRUE(ExitState().configurationChanged);
        EXPECT_EQ(ExitState().restartRequested, c.restart) << c.kind << c.quiet << c.panelVisible;
        EXPECT_EQ(MarkerExists(), c.marker) << c.kind << c.quiet << c.panelVisible;
        EXPECT_EQ(g_settings.hiddenrestart, c.marker);
    }
}

TEST_F(ExitPathTest, AChangedSetIsComparedOnlyOnce) {
    SimCurrent().displays.pop_back();
    CompareMonitorConfiguration(false);
    ASSERT_TRUE(ExitState().restartRequested);
    SimClearTransactions();
    CompareMonitorConfiguration(false);
    EXPECT_TRUE(SimTransactions().empty());
}

}  // namespace
