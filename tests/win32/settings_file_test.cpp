#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "platform/shell.h"
#include "settings/settings_file.h"
#include "settings/settings_store.h"

namespace {

std::string Utf8(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(), size, nullptr, nullptr);
    return bytes;
}

std::string FileBytes(const std::wstring& path) {
    std::ifstream file(Utf8(path), std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

void PutFile(const std::wstring& path, const std::string& bytes) {
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    std::ofstream(Utf8(path), std::ios::binary | std::ios::trunc) << bytes;
}

SettingsPairs ReadAll(const std::wstring& path) {
    SettingsPairs pairs;
    EXPECT_TRUE(SettingsFileRead(path, [&](std::wstring_view key, std::wstring_view value) {
        pairs.emplace_back(std::wstring(key), std::wstring(value));
    }));
    return pairs;
}

class SettingsFileTest : public testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        folder_ = std::wstring(temp) + L"lumistrand-settings-" + std::to_wstring(GetCurrentProcessId());
        CreateDirectoryW(folder_.c_str(), nullptr);
        file_ = folder_ + L"\\Lumistrand.xml";
    }
    void TearDown() override {
        for (const std::wstring& path : {file_, file_ + L".new"}) {
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW(path.c_str());
            RemoveDirectoryW(path.c_str());
        }
        RemoveDirectoryW(folder_.c_str());
    }

    std::wstring folder_;
    std::wstring file_;
};

bool Write(const std::wstring& path, const SettingsPairs& pairs, bool hideOnDesktop) {
    std::uint32_t error = 0;
    return SettingsFileWrite(path, pairs, hideOnDesktop, error);
}

TEST_F(SettingsFileTest, RoundTripThroughXmlLite) {
    const SettingsPairs written = {{L"ColorBrightness", L"008000FF"},
                                   {L"editbuffer0", L"dell 'u2415' b + 10 & c < 5 > \"x\""},
                                   {L"mname3", L"Bildschirm \x00E4\x20AC"},
                                   {L"logfile", L""}};
    ASSERT_TRUE(Write(file_, written, false));
    SettingsPairs expected = {{L"Lumistrand", L"7.2"}};
    expected.insert(expected.end(), written.begin(), written.end());
    EXPECT_EQ(ReadAll(file_), expected);
}

TEST_F(SettingsFileTest, ExactBytesOfASmallFile) {
    ASSERT_TRUE(Write(file_, {{L"ColorBrightness", L"008000FF"}, {L"verify", L"N"}}, false));
    std::string bytes = FileBytes(file_);
    if (bytes.rfind("\xEF\xBB\xBF", 0) == 0) bytes.erase(0, 3);
    EXPECT_EQ(bytes,
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
              "<settings Lumistrand=\"7.2\">\r\n"
              "  <set ColorBrightness=\"008000FF\"></set>\r\n"
              "  <set verify=\"N\"></set>\r\n"
              "</settings>\n");
}

TEST_F(SettingsFileTest, ReadingStopsAtTheFirstErrorKeepingWhatCameBefore) {
    struct Case {
        const char* what;
        std::string bytes;
        SettingsPairs expected;
    };
    const Case cases[] = {
        {"truncated",
         "<settings Lumistrand=\"7.2\"><set wheel_B=\"00000001\"></set><set wheel_C=\"0000",
         {{L"Lumistrand", L"7.2"}, {L"wheel_B", L"00000001"}}},
        {"malformed in the middle",
         "<settings Lumistrand=\"7.1\"><x wheel_B=\"1\" wheel_C=\"2\"/><set a=\"1\"></sot><set b=\"2\"></set></settings>",
         {{L"Lumistrand", L"7.1"}, {L"wheel_B", L"1"}, {L"a", L"1"}}},
        {"document type declarations are refused",
         "<!DOCTYPE settings [<!ENTITY e \"x\">]><settings Lumistrand=\"7.2\"><set a=\"&e;\"></set></settings>",
         {}},
        {"not XML at all", "\x01\x02garbage", {}},
    };
    for (const Case& c : cases) {
        PutFile(file_, c.bytes);
        EXPECT_EQ(ReadAll(file_), c.expected) << c.what;
    }
}

TEST_F(SettingsFileTest, FailedSaveLeavesThePreviousFileIntact) {
    ASSERT_TRUE(Write(file_, {{L"wheel_B", L"00000001"}}, false));
    const std::string before = FileBytes(file_);
    // A key that is no XML name makes the writer fail after the document has begun.
    std::uint32_t error = 0;
    EXPECT_FALSE(SettingsFileWrite(file_, {{L"wheel_C", L"00000002"}, {L"bad key", L"x"}}, false, error));
    EXPECT_TRUE(FAILED(static_cast<HRESULT>(error))) << error;
    EXPECT_EQ(FileBytes(file_), before);
    EXPECT_EQ(GetFileAttributesW((file_ + L".new").c_str()), INVALID_FILE_ATTRIBUTES);
    // A read-only settings file is not replaced either.
    SetFileAttributesW(file_.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(SettingsFileWrite(file_, {{L"wheel_C", L"00000002"}}, false, error));
    EXPECT_EQ(error, static_cast<std::uint32_t>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(FileBytes(file_), before);
}

TEST_F(SettingsFileTest, HiddenOnlyBelowADesktopFolder) {
    const std::wstring desktop = folder_ + L"\\My dESKTOP";
    CreateDirectoryW(desktop.c_str(), nullptr);
    const std::wstring onDesktop = desktop + L"\\Lumistrand.xml";
    ASSERT_TRUE(Write(onDesktop, {{L"verify", L"N"}}, true));
    ASSERT_TRUE(Write(onDesktop, {{L"verify", L"Y"}}, true));
    EXPECT_TRUE(GetFileAttributesW(onDesktop.c_str()) & FILE_ATTRIBUTE_HIDDEN);
    ASSERT_TRUE(Write(file_, {{L"verify", L"N"}}, true));
    EXPECT_FALSE(GetFileAttributesW(file_.c_str()) & FILE_ATTRIBUTE_HIDDEN);
    SetFileAttributesW(onDesktop.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(onDesktop.c_str());
    RemoveDirectoryW(desktop.c_str());
}

TEST_F(SettingsFileTest, ReadOnlyProgramFileMakesLoadReadTheProfileCopy) {
    const std::wstring profileFolder = ShellRoamingAppDataFolder() + L"\\Lumistrand";
    const std::wstring profileFile = profileFolder + L"\\Lumistrand.xml";
    ASSERT_TRUE(CreateDirectoryW(profileFolder.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
    const std::string previousProfile = FileBytes(profileFile);
    wchar_t previousDirectory[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, previousDirectory);
    SetCurrentDirectoryW(folder_.c_str());

    ASSERT_TRUE(Write(file_, {{L"wheel_B", L"00000001"}}, false));
    ASSERT_TRUE(Write(profileFile, {{L"wheel_B", L"00000002"}}, false));
    g_settings = Settings{};
    SettingsLoad();
    EXPECT_EQ(g_settings.wheel_B, 1);
    SetFileAttributesW(file_.c_str(), FILE_ATTRIBUTE_READONLY);
    g_settings = Settings{};
    SettingsLoad();
    EXPECT_EQ(g_settings.wheel_B, 2);

    SetCurrentDirectoryW(previousDirectory);
    if (previousProfile.empty()) {
        DeleteFileW(profileFile.c_str());
        RemoveDirectoryW(profileFolder.c_str());
    } else {
        PutFile(profileFile, previousProfile);
    }
    g_settings = Settings{};
}

}  // namespace
