#include <gtest/gtest.h>

#include <filesystem>

#include "app/app_state.h"
#include "settings/settings_startup.h"
#include "settings/settings_store.h"
#include "testing/fakes/restart_request_fake.h"
#include "testing/fakes/settings_file_fake.h"
#include "testing/fakes/shell_fake.h"
#include "testing/fakes/system_language_fake.h"

namespace {

class SettingsStoreTest : public testing::Test {
protected:
    void SetUp() override {
        g_settings = Settings{};
        g_settingsStatus = SettingsStatus{};
        FakeSettingsFiles().clear();
        std::filesystem::remove_all(roaming_);
        std::filesystem::create_directories(roaming_);
        FakeShellSetRoamingFolder(roaming_);
        FakeRestartReset();
        FakeSystemUiLanguageSet(kLanguageEnglish);
    }

    FakeSettingsFile& ProgramFile() { return FakeSettingsFiles()[kSettingsFileName]; }
    FakeSettingsFile& Profile() { return FakeSettingsFiles()[roaming_ + L"\\Lumistrand\\Lumistrand.xml"]; }

    const std::wstring roaming_ = (std::filesystem::temp_directory_path() / "lumistrand-settings-test").wstring();
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
    SettingsLoad();
    EXPECT_EQ(SettingsWriteList(g_settings, g_settingsStatus, false), SettingsWriteList(Settings{}, SettingsStatus{}, false));
    EXPECT_FALSE(g_settingsStatus.versionMatched);

    ProgramFile().pairs = {{L"Lumistrand", L"7.2"}, {L"wheel_B", L"00000001"}, {L"wheel_C", L"00000001"}};
    ProgramFile().readErrorAfter = 2;
    SettingsLoad();
    EXPECT_TRUE(g_settingsStatus.versionMatched);
    EXPECT_EQ(g_settings.wheel_B, 1);
    EXPECT_EQ(g_settings.wheel_C, 10);
}

TEST_F(SettingsStoreTest, SaveWritesTheFilesThatAreSwitchedOn) {
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
    EXPECT_TRUE(std::filesystem::is_directory(std::filesystem::path(roaming_) / "Lumistrand"));
    EXPECT_TRUE(ProgramFile().hideOnDesktopAsked);
    EXPECT_FALSE(Profile().hideOnDesktopAsked);

    g_app.uiLanguage = kLanguageGerman;
    SettingsSave(false);
    const SettingsPairs& pairs = ProgramFile().pairs;
    EXPECT_EQ(pairs[pairs.size() - 2], (SettingsPair{L"language", L"German"})) << "the language in use";
    g_app.uiLanguage = 0;
}

TEST(SettingsStartup, UiLanguageFollowsTheSystemUnlessSetAndOldSlotsAreReset) {
    struct Case {
        const wchar_t* setting;
        std::uint16_t system, expected;
    };
    const std::uint16_t french = 0x0C;
    for (const Case c : {Case{L"", kLanguageGerman, kLanguageGerman}, Case{L"", french, french},
                         Case{L"german", kLanguageEnglish, kLanguageGerman},
                         Case{L"English", kLanguageGerman, kLanguageEnglish}, Case{L"Deutsch", french, french}}) {
        Settings settings;
        settings.language = c.setting;
        EXPECT_EQ(SettingsUiLanguage(settings, c.system), c.expected) << c.setting;
    }

    Settings settings;
    settings.known[0].mUID = L"DISPLAY\\DEL4242\\5&uid4353";
    settings.known[0].MonitorBrightness = 20;
    settings.known[1].mUID = L"Dell U2415";
    settings.known[1].MonitorBrightness = 20;
    KnownMonitorsDropWithoutUid(settings);
    EXPECT_EQ(settings.known[0].MonitorBrightness, 20);
    EXPECT_TRUE(settings.known[1].mUID.empty());
    EXPECT_EQ(settings.known[1].MonitorBrightness, 50);
}

TEST_F(SettingsStoreTest, FullKnownMonitorListIsSavedWithoutItAndRestarts) {
    for (int slot = 0; slot < kKnownMonitorsFullFrom - 1; ++slot) g_settings.known[slot].mUID = L"m&UID";
    EXPECT_FALSE(SettingsSaveAtStartup());
    EXPECT_EQ(FakeRestartRequests(), 0u);
    EXPECT_FALSE(g_settingsStatus.dropKnownMonitors);

    g_settings.known[kKnownMonitorsFullFrom - 1].mUID = L"m&UID";
    g_settings.known[kKnownMonitorSlots - 1].mUID = L"m&UID";
    EXPECT_TRUE(SettingsSaveAtStartup());
    EXPECT_EQ(FakeRestartRequests(), 1u);
    for (const FakeSettingsFile* file : {&ProgramFile(), &Profile()}) {
        EXPECT_EQ(file->writes, 2);
        for (const auto& [key, value] : file->pairs) EXPECT_FALSE(key.starts_with(L"mUID")) << key;
    }
}

}  // namespace
