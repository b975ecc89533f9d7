// The help and information windows as their user sees them, played through the dialog fake,
// and the hidden-icon check's schedule and matching.
#include <gtest/gtest.h>

#include "app/timer_table.h"
#include "monitors/discovery.h"
#include "monitors/monitor_table.h"
#include "platform/main_window.h"
#include "res/resource.h"
#include "settings/settings.h"
#include "settings/settings_store.h"
#include "testing/fakes/dialog_controls_fake.h"
#include "testing/fakes/main_window_fake.h"
#include "testing/fakes/overflow_tray_fake.h"
#include "testing/fakes/requests_fake.h"
#include "testing/fakes/settings_file_fake.h"
#include "testing/fakes/shell_fake.h"
#include "testing/program_state.h"
#include "tray/icon_set.h"
#include "ui/full_screen_command.h"
#include "ui/help_window.h"
#include "ui/monitor_dialog.h"
#include "ui/power_off_information.h"

namespace {

int SettingsWrites() {
    int writes = 0;
    for (const auto& [path, file] : FakeSettingsFiles()) writes += file.writes;
    return writes;
}

// Once the dialog is open: before(), then the presses; the last one must end the dialog.
void PlayUser(DialogWindow window, std::vector<int> presses, std::function<void()> before = [] {}) {
    FakeDialogSetUser(window, [=] {
        before();
        for (std::size_t i = 0; i < presses.size(); ++i) {
            EXPECT_EQ(FakeDialogPress(window, presses[i]), i + 1 == presses.size());
        }
    });
}

TEST(PowerOffInformation, NameFillsElevenPlacesAndOkStoresSafety) {
    const std::pair<const wchar_t*, const wchar_t*> names[] = {
        {L"HPw2207", L"HPw2207    "}, {L"DELLU2415ABCDEF", L"DELLU2415AB"}, {L"", L"           "}};
    for (const auto& [name, field] : names)
        EXPECT_NE(PowerOffText(name)[2].text.find(std::wstring(L"\t") + field + L"  x\r\n"), std::wstring::npos) << name;
    const struct {
        bool ticked;
        int press;
        bool safety;
        int writes;
    } cases[] = {{true, IDOK, false, 2}, {false, IDOK, true, 2}, {true, IDCANCEL, true, 0}, {true, kDialogDismissed, true, 0}};
    for (const auto& c : cases) {
        ResetProgramState();
        const int writesBefore = SettingsWrites();
        PlayUser(DialogWindow::PowerOff, {c.press},
                 [&] { FakeDialog(DialogWindow::PowerOff).checked[IDC_POWER_OFF_INSTANT] = c.ticked; });
        ShowPowerOffInformation(0);
        EXPECT_EQ(g_settings.safety, c.safety) << c.ticked << c.press;
        EXPECT_EQ(SettingsWrites() - writesBefore, c.writes) << c.ticked << c.press;
    }
}

TEST(HelpWindow, HomepageOpensTheHomePageAndCloses) {
    for (const int press : {IDC_HOMEPAGE, IDOK, kDialogDismissed}) {
        ResetProgramState();
        PlayUser(DialogWindow::Help, {press});
        OpenHelpWindow();
        const std::vector<std::wstring> homePage{L"https://lumistrand.org"};
        EXPECT_EQ(FakeShellOpenedFiles(), press == IDC_HOMEPAGE ? homePage : std::vector<std::wstring>{});
        EXPECT_EQ(FakeDialog(DialogWindow::Help).tabStops[IDC_RICH_TEXT], std::vector<int>{20});
    }
}

TEST(FullScreenCommand, OkWithFocusStoresTheLineAndDeleteRemovesTheRow) {
    const std::wstring longLine(600, L'b');
    const struct {
        std::vector<int> presses;
        int focus;
        std::wstring row1App, row1Line, row2App;
    } cases[] = {
        {{IDOK}, IDOK, L"game.exe", longLine.substr(0, 519), L"video.exe"},
        {{IDOK, kDialogDismissed}, IDC_FULL_SCREEN_LINE, L"game.exe", L"b 80", L"video.exe"},  // Enter in the field
        {{IDCANCEL}, IDCANCEL, L"video.exe", L"c 10", L""},                                    // Delete
    };
    for (const auto& c : cases) {
        ResetProgramState();
        g_settings.fullScreen[0] = {L"first.exe", L"b 10"};
        g_settings.fullScreen[1] = {L"game.exe", L"b 80"};
        g_settings.fullScreen[2] = {L"video.exe", L"c 10"};
        PlayUser(DialogWindow::FullScreenCommand, c.presses, [&] {
            FakeDialogState& dialog = FakeDialog(DialogWindow::FullScreenCommand);
            EXPECT_EQ(dialog.texts[IDC_FULL_SCREEN_APP], L"game.exe");
            dialog.texts[IDC_FULL_SCREEN_LINE] = longLine;
            dialog.focus = c.focus;
        });
        OpenFullScreenCommand(1);
        EXPECT_EQ(g_settings.fullScreen[0].app, L"first.exe") << c.focus;
        EXPECT_EQ(g_settings.fullScreen[1].app, c.row1App) << c.focus;
        EXPECT_EQ(g_settings.fullScreen[1].commandLine, c.row1Line) << c.focus;
        EXPECT_EQ(g_settings.fullScreen[2].app, c.row2App) << c.focus;
    }
}

// A name of one character keeps the name in use; the period stops at a day, shown so.
TEST(MonitorDialog, OkStoresTheLimitedValuesAndANewCodeRestarts) {
    const struct {
        const wchar_t *typedName, *typedPeriod, *oldName, *name, *shownPeriod;
        bool tick6B;
    } cases[] = {
        {L"A", L"2000", L"Left", L"Left", L"1440", false},
        {L"x", L"0", L"", L"DELL U2415", L"1", true},
        {L"My Screen", L"30", L"", L"MyScreen", L"30", false},
    };
    for (const auto& c : cases) {
        ResetProgramState();
        g_monitors.entries[0].displayName = L"DELL U2415";
        g_monitors.entries[0].deviceUid = g_settings.known[0].mUID = L"DEL&UID1";
        g_settings.known[0].mname = c.oldName;
        PlayUser(DialogWindow::Monitor, {IDOK}, [&] {
            FakeDialogState& dialog = FakeDialog(DialogWindow::Monitor);
            EXPECT_EQ(dialog.caption, L"DELL U2415");
            dialog.texts[IDC_MONITOR_NAME] = c.typedName;
            dialog.texts[IDC_MONITOR_DIM_PERIOD] = c.typedPeriod;
            dialog.texts[IDC_MONITOR_BRIGHTNESS] = L"150";
            dialog.checked[IDC_MONITOR_USE_6B] = c.tick6B;
            dialog.focus = IDOK;
        });
        ShowMonitorDialog(0);
        const KnownMonitor& known = g_settings.known[0];
        EXPECT_EQ(known.mname, c.name);
        EXPECT_EQ(std::to_wstring(known.DimPeriod), c.shownPeriod);
        EXPECT_EQ(known.DimBrightness, 100);
        EXPECT_EQ(FakeDialog(DialogWindow::Monitor).texts[IDC_MONITOR_DIM_PERIOD], c.shownPeriod);
        EXPECT_EQ(FakeRestartRequests(), c.tick6B ? 1u : 0u);
    }
}

// An overflow area that cannot be read ends the schedule like one without hidden icons.
TEST(HiddenIconCheck, RunsElevenTimesAndWarnsWhenAnOverflowButtonCarriesAnOwnTooltip) {
    ResetProgramState();
    MainWindowAttach(1);
    MainWindowSetTimer(kTimerHiddenIconCheck, 5000);
    std::vector<std::uint32_t> periods;
    for (int run = 0; run < 11; ++run) {
        FindMainWindowTimer(kTimerHiddenIconCheck)->work();
        const auto& timers = FakeMainWindowActiveTimers();
        periods.push_back(timers.count(kTimerHiddenIconCheck) ? timers.at(kTimerHiddenIconCheck) : 0);
    }
    EXPECT_EQ(periods, (std::vector<std::uint32_t>{5000, 5000, 5000, 5000, 5000, 60000, 60000, 60000, 60000, 60000, 0}));

    const struct {
        const char* what;
        bool versionMatched, nocheckhidden;
        int lengthChange;  // of the button text against the tooltip
        bool warned;
    } cases[] = {
        {"own tooltip hidden", true, false, 0, true},
        {"switched off", true, true, 0, false},
        {"a new version checks once even when switched off", false, true, 0, true},
        {"a longer text", true, false, 1, false},
        {"a shorter text", true, false, -1, false},
    };
    for (const auto& c : cases) {
        ResetProgramState();
        MainWindowAttach(1);
        g_settings.tooltips = true;
        DiscoverMonitors(false);
        CreateNotificationIcons();
        g_settingsStatus.versionMatched = c.versionMatched;
        g_settings.nocheckhidden = c.nocheckhidden;
        const std::wstring tip = IconSlotOf(1, IconKind::Brightness).tip;
        const std::wstring text =
            c.lengthChange < 0 ? tip.substr(0, tip.size() - 1) : tip + std::wstring(c.lengthChange, L'x');
        FakeOverflowTraySet(std::vector<std::wstring>{L"", L"Volume", text});
        PlayUser(DialogWindow::HiddenIcons, {IDOK},
                 [] { FakeDialog(DialogWindow::HiddenIcons).checked[IDC_NO_HIDDEN_WARNING] = true; });
        FindMainWindowTimer(kTimerHiddenIconCheck)->work();
        EXPECT_EQ(FakeDialogRuns().size(), c.warned ? 1u : 0u) << c.what;
        EXPECT_EQ(g_settings.nocheckhidden, c.warned || c.nocheckhidden) << c.what;
        EXPECT_TRUE(g_settingsStatus.versionMatched) << c.what;
    }
}

}  // namespace
