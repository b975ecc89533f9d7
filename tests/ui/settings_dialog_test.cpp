// The settings dialog's presenter played through the dialog fake: what the user enters on each
// page reaches the record by its rule, the restarts, the menu entries, reset and the shortcut.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <unistd.h>

#include "monitors/monitor_table.h"
#include "res/resource.h"
#include "settings/settings.h"
#include "settings/settings_store.h"
#include "settings/ui_language.h"
#include "testing/fakes/dialog_controls_fake.h"
#include "testing/fakes/files_fake.h"
#include "testing/fakes/message_box_fake.h"
#include "testing/fakes/requests_fake.h"
#include "testing/fakes/shell_fake.h"
#include "testing/program_state.h"
#include "ui/settings_autostart.h"
#include "ui/settings_dialog.h"
#include "ui/settings_menu_entries.h"
#include "ui/settings_reset.h"
#include "ui/settings_tips.h"

namespace {

TEST(SettingsDialog, EntriesReachTheRecordByTheirRuleAndRestartOnlyWhereNeeded) {
    const std::wstring line300(300, L'b');
    const struct {
        const char* name;
        std::function<void(FakeDialogState&)> enter;
        std::function<bool()> stored;
        std::uint32_t restarts = 0;  // the dialog opens again after a restart
        bool closes = true;
    } cases[] = {
        {"0: a check box", [](auto& d) { d.checked[IDC_SET_NOTIFICATIONS] = true; }, [] { return g_settings.notifications; }},
        {"0: a smoothing choice", [](auto& d) { d.checked[IDC_SET_CLEARTYPE] = false, d.checked[IDC_SET_NO_ANTIALIASING] = true; },
         [] { return g_settings.aliasing == 0; }, 1},
        {"1: repeat delay held to 10..1000", [](auto& d) { d.texts[IDC_SET_REPEATMOUSE] = L"5"; }, [] { return g_settings.repeatmouse == 10; }},
        {"1: no number keeps the old value", [](auto& d) { d.texts[IDC_SET_REPEATMOUSE] = L"7x"; }, [] { return g_settings.repeatmouse == 50; }},
        {"1: a wheel key list text as shown", [](auto& d) { d.combos[IDC_SET_WHEEL_KEYS_FIRST + 3].selected = 5; },
         [] { return g_settings.wheel[3].keys == L"ctrl+shift"; }},
        {"1: a middle-button value", [](auto& d) { d.texts[IDC_SET_MBUTTON_FIRST + 7] = L"250"; }, [] { return g_settings.mbutton[7] == 100; }},
        {"2: a hotkey unchanged", [](auto& d) { d.hotkeys[IDC_SET_HOTKEY_FIRST + 14] = 0x0641; }, [] { return g_settings.hotkey[14] == 0x0641; }},
        {"2: a hotkey line", [](auto& d) { d.texts[IDC_SET_HOTKEY_LINE_FIRST] = L"b + 10"; }, [] { return g_settings.editbuffer[0] == L"b + 10"; }},
        {"3: a caption cut at 259", [&](auto& d) { d.texts[IDC_SET_MENU_CAPTION_FIRST + 2] = line300; },
         [] { return g_settings.m_editbuffer[17] == std::wstring(259, L'b'); }},
        {"3: a menu line longer than 259 is refused, not cut", [&](auto& d) { d.texts[IDC_SET_MENU_LINE_FIRST + 2] = line300; },
         [] { return g_settings.m_editbuffer[2].empty() && FakeMessageBoxesShown().size() == 1; }, 0, false},
        {"4: a timed entry's time", [](auto& d) { d.times[IDC_SET_TIMER_TIME_FIRST + 7] = {21, 45}; },
         [] { return g_settings.timed[7].hour == 21 && g_settings.timed[7].minute == 45; }},
        {"4: offset outside -100..100 becomes 0", [](auto& d) { d.texts[IDC_SET_OFFSET] = L"-150"; }, [] { return g_settings.offset_brightness == 0; }},
        {"4: offset inside", [](auto& d) { d.texts[IDC_SET_OFFSET] = L"-100"; }, [] { return g_settings.offset_brightness == -100; }},
        {"4: multiplier with a comma", [](auto& d) { d.texts[IDC_SET_DIV_FIRST + 3] = L"1,5"; }, [] { return g_settings.div[3] == 1.5f; }},
        {"4: multiplier above 20", [](auto& d) { d.texts[IDC_SET_DIV_FIRST] = L"20.5"; }, [] { return g_settings.div[0] == 1.0f; }},
        {"4: multiplier not above 0", [](auto& d) { d.texts[IDC_SET_DIV_FIRST + 1] = L"0"; }, [] { return g_settings.div[1] == 1.0f; }},
        {"4: a limit row's monitor cut at 64", [&](auto& d) { d.texts[IDC_SET_LIMIT_MONITOR_FIRST + 7] = line300; },
         [] { return g_settings.limits[7].monitor.size() == 64; }},
        {"4: a limit", [](auto& d) { d.texts[IDC_SET_LIMIT_FIRST + 30 + 7] = L"80"; }, [] { return g_settings.limits[7].contrastMax == 80; }},
        {"5: full screen only", [](auto& d) { d.checked[IDC_SET_ONLYFULLSCREEN] = true; }, [] { return g_settings.onlyfullscreen; }},
        {"5: a running program picked into the next row",
         [](auto& d) { SettingsDialogPageShown(5), d.combos[IDC_SET_RUNNING].selected = 1, SettingsControlUsed(IDC_SET_RUNNING); },
         [] { return g_settings.fullScreen[0].app == L"C:\\Program Files\\Browser\\browser.exe"; }},
        {"same language chosen", [](auto& d) { d.combos[IDC_SET_LANGUAGE].selected = 1; }, [] { return g_settings.language.empty(); }},
        {"only tooltips changed", [](auto& d) { d.checked[IDC_SET_TOOLTIPS] = !d.checked[IDC_SET_TOOLTIPS]; },
         [] { return g_settings.language.empty(); }},
        {"German chosen", [](auto& d) { d.combos[IDC_SET_LANGUAGE].selected = 0; }, [] { return g_settings.language == L"German"; }, 1},
        {"wheel hook switched", [](auto& d) { d.checked[IDC_SET_USEMOUSEHOOK] = !d.checked[IDC_SET_USEMOUSEHOOK]; },
         [] { return g_settings.language.empty(); }, 1},
        {"no icon left", [](auto& d) { d.checked[IDC_SET_VOLUME_ICON] = false; }, [] { return g_settings.language.empty(); }, 1},
    };
    for (const auto& c : cases) {
        ResetProgramState();
        g_settings.aliasing = 2;
        g_settings.showvolumeicon = true;
        SettingsDialogFill();
        c.enter(FakeDialog(DialogWindow::Settings));
        EXPECT_EQ(SettingsControlUsed(IDOK), c.closes ? SettingsNext::Close : SettingsNext::Stay) << c.name;
        EXPECT_TRUE(c.stored()) << c.name;
        EXPECT_EQ(FakeRestartRequests(), c.restarts) << c.name;
        EXPECT_EQ(g_settings.showsettings, c.restarts == 1) << c.name;
        EXPECT_EQ(UiIsGerman(), g_settings.language == L"German") << c.name;  // what the saved file will say
        EXPECT_TRUE(g_settings.showvolumeicon) << c.name;  // "No" to the icon question turns it on again
    }
}

TEST(SettingsMenuEntries, TextsAndDumpValues) {
    ResetProgramState();
    g_settings.m_editbuffer[0] = L"b 10";
    g_settings.m_editbuffer[1] = L"b 20", g_settings.m_editbuffer[16] = L"Dim", g_settings.hide[1] = true;
    g_settings.m_editbuffer[2] = L"b 30", g_settings.m_editbuffer[17] = L"Mid";
    g_settings.m_editbuffer[18] = L"  ", g_settings.hide[3] = true;
    const std::wstring texts[] = {L"b 10", L"Dim", L"Mid b 30", L"", L""};
    for (int n = 0; n < 5; ++n) EXPECT_EQ(MenuEntryText(n), texts[n]) << n;
    EXPECT_EQ(DumpValuesIntoFreeEntry(), 3);
    EXPECT_EQ(g_settings.m_editbuffer[3].rfind(L"b ", 0), 0u);
    for (auto& line : g_settings.m_editbuffer) line = L"x";
    const auto before = g_settings.m_editbuffer;
    EXPECT_EQ(DumpValuesIntoFreeEntry(), -1);
    EXPECT_EQ(g_settings.m_editbuffer, before);
    ASSERT_EQ(FakeMessageBoxesShown().size(), 1u);
    EXPECT_EQ(FakeMessageBoxesShown()[0].text, L"no more free entries!");
}

// Both files in a folder of this test; the profile copy under its roaming folder.
struct SettingsFiles : testing::Test {
    std::filesystem::path folder = std::filesystem::temp_directory_path() / ("lumistrand-reset-" + std::to_string(getpid()));
    std::filesystem::path before = std::filesystem::current_path();
    void SetUp() override {
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder / "roaming" / "Lumistrand");
        std::filesystem::current_path(folder);
        ResetProgramState();
        FakeShellSetRoamingFolder((folder / "roaming").wstring());
        SettingsLoad();
        std::ofstream(FakeFilesHostPath(SettingsProfilePath())) << "profile";
        std::ofstream(FakeFilesHostPath(kSettingsFileName)) << "program";
        FakeMessageBoxAnswerYesNo(true);
    }
    void TearDown() override {
        std::filesystem::current_path(before);
        std::filesystem::remove_all(folder);
    }
};

TEST_F(SettingsFiles, ResetsMoveBothFilesTo000Then001AndAFileInUseLosesNothing) {
    EXPECT_EQ(ResetSettings(), SettingsReset::Restarting);
    std::ofstream(FakeFilesHostPath(SettingsProfilePath())) << "profile";
    std::ofstream(FakeFilesHostPath(kSettingsFileName)) << "program";
    EXPECT_EQ(ResetSettings(), SettingsReset::Restarting);
    for (const char* name : {"Lumistrand.000", "Lumistrand.001", "roaming/Lumistrand/Lumistrand.000", "roaming/Lumistrand/Lumistrand.001"}) {
        EXPECT_TRUE(std::filesystem::exists(folder / name)) << name;
    }
    EXPECT_FALSE(g_settingsStatus.settingsValid);
    EXPECT_EQ(FakeMessageBoxForgotten().size(), 12u);

    for (const std::wstring& held : {SettingsProfilePath(), std::wstring(kSettingsFileName)}) {
        SetUp();
        FakeFilesHoldOpen(held, true);
        EXPECT_EQ(ResetSettings(), SettingsReset::Refused);
        FakeFilesHoldOpen(held, false);
        EXPECT_TRUE(std::filesystem::exists(FakeFilesHostPath(SettingsProfilePath())));
        EXPECT_TRUE(std::filesystem::exists(FakeFilesHostPath(kSettingsFileName)));
        EXPECT_FALSE(std::filesystem::exists(folder / "roaming/Lumistrand/Lumistrand.000"));
        EXPECT_TRUE(g_settingsStatus.settingsValid);
        EXPECT_EQ(FakeRestartRequests(), 0u);
        EXPECT_EQ(FakeMessageBoxesShown().size(), 2u);  // the question, then why nothing happened
    }
}

TEST(SettingsAutostart, TheShortcutFollowsTheSettingAndTheMonitorCount) {
    const struct {
        bool autostart, countFailed, remote, exists;
    } cases[] = {{true, false, false, true}, {false, false, false, false}, {true, true, false, false}, {true, true, true, true}};
    for (const auto& c : cases) {
        ResetProgramState();
        g_settings.autostart = c.autostart;
        g_monitors.physicalQueryFailed = c.countFailed;
        FakeShellSetRemoteSession(c.remote);
        ApplyAutostartShortcut();
        EXPECT_EQ(std::filesystem::exists(FakeFilesHostPath(AutostartShortcutPath())), c.exists) << c.autostart << c.countFailed << c.remote;
    }
    EXPECT_TRUE(SettingsTipText(IDC_SET_AUTOSTART).ends_with(L"\n" + AutostartShortcutPath()));
    EXPECT_EQ(SettingsTipText(IDC_SET_ICON_FIRST + 7), L"Brightness and Contrast combined in one icon");  // row 1, "Comb."
    EXPECT_EQ(SettingsTipText(IDC_SET_ICON_FIRST + 8), L"");
}

}  // namespace
