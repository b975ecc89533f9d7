// The settings file through XmlLite and the real file functions.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "settings/settings_file.h"
#include "testing/file_text.h"

namespace {

SettingsPairs ReadAll(const std::wstring& path) {
    SettingsPairs pairs;
    EXPECT_TRUE(SettingsFileRead(path, [&](std::wstring_view key, std::wstring_view value) {
        pairs.emplace_back(std::wstring(key), std::wstring(value));
    }));
    return pairs;
}

bool Write(const std::wstring& path, const SettingsPairs& pairs, bool hideOnDesktop) {
    std::uint32_t error = 0;
    return SettingsFileWrite(path, pairs, hideOnDesktop, error);
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
        for (const std::wstring& path : {file_, file_ + L".new", desktopFile_}) {
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW(path.c_str());
            RemoveDirectoryW(path.c_str());
        }
        RemoveDirectoryW(desktopFile_.substr(0, desktopFile_.rfind(L'\\')).c_str());
        RemoveDirectoryW(folder_.c_str());
    }

    std::wstring folder_, file_, desktopFile_ = L"\\nothing";
};

TEST_F(SettingsFileTest, ExactBytesAndARoundTripOfEscapedAndWideText) {
    ASSERT_TRUE(Write(file_, {{L"ColorBrightness", L"008000FF"}, {L"verify", L"N"}}, false));
    std::string bytes = FileBytes(file_);
    if (bytes.rfind("\xEF\xBB\xBF", 0) == 0) bytes.erase(0, 3);
    EXPECT_EQ(bytes,
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
              "<settings Lumistrand=\"7.2\">\r\n"
              "  <set ColorBrightness=\"008000FF\"></set>\r\n"
              "  <set verify=\"N\"></set>\r\n"
              "</settings>\n");

    const SettingsPairs written = {{L"editbuffer0", L"dell 'u2415' b + 10 & c < 5 > \"x\""},
                                   {L"mname3", L"Bildschirm \x00E4\x20AC"},
                                   {L"logfile", L""}};
    ASSERT_TRUE(Write(file_, written, false));
    SettingsPairs expected = {{L"Lumistrand", L"7.2"}};
    expected.insert(expected.end(), written.begin(), written.end());
    EXPECT_EQ(ReadAll(file_), expected);
}

TEST_F(SettingsFileTest, ReadingStopsAtTheFirstErrorKeepingWhatCameBefore) {
    const struct {
        const char* bytes;
        SettingsPairs expected;
    } cases[] = {
        {"<settings Lumistrand=\"7.2\"><set wheel_B=\"00000001\"></set><set wheel_C=\"0000",
         {{L"Lumistrand", L"7.2"}, {L"wheel_B", L"00000001"}}},
        {"<settings Lumistrand=\"7.1\"><x wheel_B=\"1\" wheel_C=\"2\"/><set a=\"1\"></sot><set b=\"2\"></set></settings>",
         {{L"Lumistrand", L"7.1"}, {L"wheel_B", L"1"}, {L"a", L"1"}}},
        // Document type declarations are refused.
        {"<!DOCTYPE settings [<!ENTITY e \"x\">]><settings Lumistrand=\"7.2\"><set a=\"&e;\"></set></settings>", {}},
        {"\x01\x02garbage", {}},
    };
    for (const auto& c : cases) {
        std::ofstream(file_.c_str(), std::ios::binary | std::ios::trunc) << c.bytes;
        EXPECT_EQ(ReadAll(file_), c.expected) << c.bytes;
    }
}

TEST_F(SettingsFileTest, FailedSaveLeavesThePreviousFileIntactAndOnlyADesktopCopyIsHidden) {
    ASSERT_TRUE(Write(file_, {{L"wheel_B", L"00000001"}}, true));
    EXPECT_FALSE(GetFileAttributesW(file_.c_str()) & FILE_ATTRIBUTE_HIDDEN);
    const std::string before = FileBytes(file_);
    // A key that is no XML name makes the writer fail after the document has begun.
    std::uint32_t error = 0;
    EXPECT_FALSE(SettingsFileWrite(file_, {{L"wheel_C", L"00000002"}, {L"bad key", L"x"}}, false, error));
    EXPECT_TRUE(FAILED(static_cast<HRESULT>(error))) << "the cause comes back for the log";
    EXPECT_EQ(FileBytes(file_), before);
    EXPECT_EQ(GetFileAttributesW((file_ + L".new").c_str()), INVALID_FILE_ATTRIBUTES);
    SetFileAttributesW(file_.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(SettingsFileWrite(file_, {{L"wheel_C", L"00000002"}}, false, error));
    EXPECT_EQ(error, static_cast<std::uint32_t>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(FileBytes(file_), before);

    CreateDirectoryW((folder_ + L"\\My dESKTOP").c_str(), nullptr);
    desktopFile_ = folder_ + L"\\My dESKTOP\\Lumistrand.xml";
    ASSERT_TRUE(Write(desktopFile_, {{L"verify", L"N"}}, true));
    ASSERT_TRUE(Write(desktopFile_, {{L"verify", L"Y"}}, true));  // replacing a hidden file works too
    EXPECT_TRUE(GetFileAttributesW(desktopFile_.c_str()) & FILE_ATTRIBUTE_HIDDEN);
}

}  // namespace
