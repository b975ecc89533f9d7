#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <tuple>

#include "settings/settings_startup.h"
#include "settings/settings_store.h"
#include "settings/ui_language.h"
#include "testing/fakes/settings_file_fake.h"
#include "testing/fakes/shell_fake.h"
#include "testing/fakes/system_language_fake.h"
#include "testing/program_state.h"

namespace {

class SettingsStoreTest : public testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
        FakeSettingsFiles().clear();
        roaming_ = FakeShellFreshRoamingFolder().wstring();
        FakeSystemUiLanguageSet(kLanguageEnglish);
    }

    FakeSettingsFile& ProgramFile() { return FakeSettingsFiles()[kSettingsFileName]; }
    FakeSettingsFile& Profile() { return FakeSettingsFiles()[roaming_ + L"\\Lumistrand\\Lumistrand.xml"]; }

    std::wstring roaming_;
};

TEST_F(SettingsStoreTest, LoadReadsTheProgramFolderFileOnlyWhenItIsWritableAndStopsAtAnError) {
    const struct {
        bool writable, readable;
        std::int32_t wheelB;
    } cases[] = {{true, true, 1}, {false, true, 2}, {true, false, 2}};
    for (const auto& c : cases) {
        SetUp();
        ProgramFile() = {.pairs = {{L"wheel_B", L"00000001"}}, .writable = c.writable, .readable = c.readable};
        Profile().pairs = {{L"wheel_B", L"00000002"}};
        SettingsLoad();
        EXPECT_EQ(g_settings.wheel_B, c.wheelB) << c.writable << c.readable;
    }
    EXPECT_EQ(SettingsProfilePath(), roaming_ + L"\\Lumistrand\\Lumistrand.xml");

    SetUp();
    ProgramFile().pairs = {{L"Lumistrand", L"7.2"}, {L"wheel_B", L"00000001"}, {L"wheel_C", L"00000001"}};
    ProgramFile().readErrorAfter = 2;
    SettingsLoad();
    EXPECT_TRUE(g_settingsStatus.versionMatched);
    EXPECT_EQ(g_settings.wheel_B, 1);
    EXPECT_EQ(g_settings.wheel_C, 10);
}

TEST_F(SettingsStoreTest, SaveWritesTheFilesThatAreSwitchedOnAndAFullKnownListIsLeftOut) {
    struct Case {
        bool cdbackup, additional, suppress;
        int programWrites, profileWrites;
    };
    for (const Case c : {Case{false, true, false, 0, 1}, Case{true, false, false, 1, 0},
                         Case{true, true, true, 0, 0}, Case{true, true, false, 1, 1}}) {
        FakeSettingsFiles().clear();
        g_settings.cdbackup = c.cdbackup;
        g_settings.additional = c.additional;
        g_settingsStatus.suppressSave = c.suppress;
        SettingsSaveBoth();
        EXPECT_EQ(ProgramFile().writes, c.programWrites) << c.cdbackup << c.additional << c.suppress;
        EXPECT_EQ(Profile().writes, c.profileWrites) << c.cdbackup << c.additional << c.suppress;
    }
    EXPECT_TRUE(ProgramFile().hideOnDesktopAsked);
    EXPECT_FALSE(Profile().hideOnDesktopAsked);

    UiLanguageSet(kLanguageGerman);
    EXPECT_TRUE(SettingsSaveBoth().empty());
    const SettingsPairs& pairs = ProgramFile().pairs;
    EXPECT_EQ(pairs[pairs.size() - 2], (SettingsPair{L"language", L"German"})) << "the language in use";
    UiLanguageSet(0);

    // Files that cannot be written are reported with the system's reason, for the log.
    ProgramFile().writable = false;
    std::filesystem::remove_all(std::filesystem::path(roaming_) / "Lumistrand");
    { std::ofstream(std::filesystem::path(roaming_) / "Lumistrand") << "a file where the folder belongs"; }
    const SettingsSaveFailures failures = SettingsSaveBoth();
    ASSERT_EQ(failures.size(), 2u);
    EXPECT_EQ(std::tuple(failures[0].path, failures[0].error, failures[1].path),
              std::tuple(std::wstring(kSettingsFileName), 5u, roaming_ + L"\\Lumistrand"));
    EXPECT_NE(failures[1].error, 0u);

    SetUp();
    for (int slot = 0; slot < kKnownMonitorsFullFrom - 1; ++slot) g_settings.known[slot].mUID = L"m&UID";
    EXPECT_FALSE(SettingsSaveAtStartup().knownListFull);
    EXPECT_FALSE(g_settingsStatus.dropKnownMonitors);

    g_settings.known[kKnownMonitorsFullFrom - 1].mUID = L"m&UID";
    g_settings.known[kKnownMonitorSlots - 1].mUID = L"m&UID";
    EXPECT_TRUE(SettingsSaveAtStartup().knownListFull);
    for (const FakeSettingsFile* file : {&ProgramFile(), &Profile()}) {
        EXPECT_EQ(file->writes, 2);
        for (const auto& [key, value] : file->pairs) EXPECT_FALSE(key.starts_with(L"mUID")) << key;
    }
}

TEST(SettingsStartup, UiLanguageFollowsTheSystemUnlessSetAndOldSlotsAreReset) {
    struct Case {
        const wchar_t* setting;
        std::uint16_t system, expected;
    };
    const std::uint16_t french = 0x0C;
    for (const Case c : {Case{L"", french, french}, Case{L"german", kLanguageEnglish, kLanguageGerman},
                         Case{L"English", kLanguageGerman, kLanguageEnglish}, Case{L"Deutsch", french, french}}) {
        Settings settings;
        settings.language = c.setting;
        EXPECT_EQ(SettingsUiLanguage(settings, c.system), c.expected) << c.setting;
    }

    Settings settings;
    settings.known[0].mUID = L"DISPLAY\\DEL4242\\5&uid4353";
    settings.known[1].mUID = L"Dell U2415";
    settings.known[0].MonitorBrightness = settings.known[1].MonitorBrightness = 20;
    KnownMonitorsDropWithoutUid(settings);
    EXPECT_EQ(settings.known[0].MonitorBrightness, 20);
    EXPECT_EQ(std::pair(settings.known[1].mUID, settings.known[1].MonitorBrightness), std::pair(std::wstring(), 50));
}

}  // namespace
