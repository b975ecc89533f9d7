// The two settings files as the real program writes and reads them: beside the exe and in the
// roaming profile.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/e2e/e2e_helpers.h"

namespace {

// Keys written for every run whatever the settings hold, and per known monitor.
constexpr size_t kGlobalKeys = 242;
constexpr size_t kKeysPerKnownMonitor = 15;

struct SettingsDocument {
    std::string declaration;
    std::string root;
    std::vector<std::pair<std::string, std::string>> keys;  // in file order
    bool wellFormed = true;  // every child is one attribute and a full end tag, one per line
    std::string tail;        // what follows the last child
};

// Reads the layout the program writes: a declaration line, the root line, one
// <set key="value"></set> per line and the closing root with a final line feed.
SettingsDocument ParseSettings(std::string bytes) {
    SettingsDocument document;
    if (bytes.rfind("\xEF\xBB\xBF", 0) == 0) bytes.erase(0, 3);
    const std::vector<std::string> lines = TextLines(bytes);
    if (lines.size() < 3) {
        document.wellFormed = false;
        return document;
    }
    document.declaration = lines[0];
    document.root = lines[1];
    const std::string open = "  <set ", close = "\"></set>";
    size_t i = 2;
    for (; i < lines.size() && lines[i].rfind(open, 0) == 0; ++i) {
        const std::string& line = lines[i];
        const size_t equals = line.find("=\"");
        const bool shaped = equals != std::string::npos && line.size() >= close.size() &&
                            line.compare(line.size() - close.size(), close.size(), close) == 0 &&
                            line.find('"', equals + 2) == line.size() - close.size();
        if (!shaped) {
            document.wellFormed = false;
            continue;
        }
        document.keys.emplace_back(line.substr(open.size(), equals - open.size()),
                                   line.substr(equals + 2, line.size() - close.size() - equals - 2));
    }
    for (; i < lines.size(); ++i) document.tail += lines[i] + "|";
    return document;
}

std::string ValueOf(const SettingsDocument& document, const std::string& key) {
    for (const auto& [name, value] : document.keys)
        if (name == key) return value;
    return "<absent>";
}

size_t IndexOf(const SettingsDocument& document, const std::string& key) {
    for (size_t i = 0; i < document.keys.size(); ++i)
        if (document.keys[i].first == key) return i;
    return document.keys.size();
}

std::string SettingsText(const std::vector<std::pair<std::string, std::string>>& keys) {
    std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<settings Lumistrand=\"7.2\">\r\n";
    for (const auto& [key, value] : keys) text += "  <set " + key + "=\"" + value + "\"></set>\r\n";
    return text + "</settings>\n";
}

std::string Narrowed(const std::wstring& text) {
    std::string narrow;
    for (wchar_t c : text) narrow += static_cast<char>(c);
    return narrow;
}

class SettingsFilesE2e : public ::testing::Test {
protected:
    void SetUp() override {
        CleanUp();
        ASSERT_TRUE(E2eSandboxCreate(sandbox_));
        ASSERT_TRUE(SimConfigWrite(sandbox_, kFastDefaultMonitors));
        ASSERT_FALSE(RoamingProgramFolder().empty());
        programFile_ = ProgramPathBesideTests(L"Lumistrand.xml");
        profileFile_ = RoamingProgramFolder() + L"\\Lumistrand.xml";
        logFile_ = sandbox_.folder + L"\\events.txt";
    }
    void TearDown() override { CleanUp(); }

    void CleanUp() {
        for (const std::wstring& path : {programFile_, profileFile_})
            if (!path.empty()) SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        E2eRemoveProgramFiles();
    }

    E2eSandbox sandbox_;
    ProgramProcess first_;
    std::wstring programFile_, profileFile_, logFile_;
};

TEST_F(SettingsFilesE2e, FirstStartSavesBothFilesWithEveryKeyInSaveOrder) {
    ASSERT_TRUE(StartFirstInstance(sandbox_, first_));
    const std::string program = FileBytes(programFile_);
    ASSERT_FALSE(program.empty()) << "no settings beside the exe";
    EXPECT_TRUE(FileBytes(profileFile_) == program) << "the profile copy differs";

    const SettingsDocument document = ParseSettings(program);
    EXPECT_TRUE(document.wellFormed);
    EXPECT_NE(document.declaration.find("encoding=\"UTF-8\""), std::string::npos) << document.declaration;
    EXPECT_EQ(document.root, "<settings Lumistrand=\"7.2\">");
    EXPECT_EQ(document.tail, "</settings>|");
    EXPECT_EQ(program.back(), '\n');

    const std::vector<std::string> first = {"hiddenrestart", "showsettings", "ColorBrightness", "ColorContrast",
                                            "ColorVolume", "ColorSpeaker", "ColorVibrance", "ColorSliderBrightness",
                                            "ColorSliderContrast", "ColorSliderVolume", "ColorSliderSpeaker",
                                            "ColorSliderVibrance"};
    ASSERT_GT(document.keys.size(), first.size());
    for (size_t i = 0; i < first.size(); ++i) EXPECT_EQ(document.keys[i].first, first[i]) << "key " << i;
    EXPECT_EQ(ValueOf(document, "ColorBrightness"), "008000FF");
    EXPECT_EQ(ValueOf(document, "ColorSliderVibrance"), "000080FF");
    EXPECT_EQ(document.keys.back().first, "safety");
    EXPECT_EQ(document.keys[document.keys.size() - 2].first, "language");
    EXPECT_LT(IndexOf(document, "autoselect"), IndexOf(document, "selectedmonitor"));
    EXPECT_EQ(ValueOf(document, "hiddenrestart"), "N");

    size_t knownMonitors = 0;
    for (const auto& [key, value] : document.keys) knownMonitors += key.rfind("mUID", 0) == 0;
    EXPECT_EQ(document.keys.size(), kGlobalKeys + kKeysPerKnownMonitor * knownMonitors)
        << knownMonitors << " known monitors";
}

TEST_F(SettingsFilesE2e, ValuesChangedBesideTheExeAreUsedAndKeptAtTheNextStart) {
    // "Helligkeit über" as UTF-8: a caption that only survives if both reading and writing use UTF-8.
    const std::string caption = "Helligkeit \xC3\xBC" "ber";
    ASSERT_TRUE(FileWriteBytes(programFile_, SettingsText({{"logfileflag", "Y"},
                                                           {"logfile", Narrowed(logFile_)},
                                                           {"wheel_B", "00000007"},
                                                           {"m_editbuffer15", caption}})));
    ASSERT_TRUE(StartFirstInstance(sandbox_, first_));
    EXPECT_FALSE(FileBytes(logFile_).empty()) << "logging was not switched on";

    for (const std::wstring& path : {programFile_, profileFile_}) {
        const SettingsDocument saved = ParseSettings(FileBytes(path));
        EXPECT_EQ(ValueOf(saved, "logfileflag"), "Y");
        EXPECT_EQ(ValueOf(saved, "logfile"), Narrowed(logFile_));
        EXPECT_EQ(ValueOf(saved, "wheel_B"), "00000007");
        EXPECT_EQ(ValueOf(saved, "m_editbuffer15"), caption);
        EXPECT_EQ(ValueOf(saved, "wheel_C"), "0000000A") << "an absent key keeps its default";
    }
}

// A file that cannot be replaced keeps its content byte for byte, through the start-up save
// and the save on exit; a file beside the exe that cannot be written is not read either.
TEST_F(SettingsFilesE2e, AFileThatCannotBeReplacedKeepsItsContent) {
    enum class Guard { ReadOnly, OpenElsewhere };
    struct Case {
        const char* name;
        bool besideTheExe;  // which of the two files is guarded
        Guard guard;
        bool logExpected;  // only the profile copy switches logging on
    } cases[] = {{"read-only beside the exe", true, Guard::ReadOnly, true},
                 {"read-only profile copy", false, Guard::ReadOnly, false},
                 {"open without sharing beside the exe", true, Guard::OpenElsewhere, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CleanUp();
        DeleteFileW(logFile_.c_str());
        CreateDirectoryW(RoamingProgramFolder().c_str(), nullptr);
        const std::string programText = SettingsText({{"logfileflag", "N"}, {"wheel_B", "00000003"}});
        const std::string profileText =
            SettingsText({{"logfileflag", "Y"}, {"logfile", Narrowed(logFile_)}, {"wheel_B", "00000009"}});
        ASSERT_TRUE(FileWriteBytes(programFile_, programText));
        ASSERT_TRUE(FileWriteBytes(profileFile_, profileText));
        const std::wstring& guarded = c.besideTheExe ? programFile_ : profileFile_;
        const std::string& guardedText = c.besideTheExe ? programText : profileText;
        HANDLE held = INVALID_HANDLE_VALUE;
        if (c.guard == Guard::ReadOnly) {
            ASSERT_TRUE(SetFileAttributesW(guarded.c_str(), FILE_ATTRIBUTE_READONLY));
        } else {
            held = CreateFileW(guarded.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
            ASSERT_NE(held, INVALID_HANDLE_VALUE);
        }

        const bool started = StartFirstInstance(sandbox_, first_);
        EXPECT_TRUE(started);
        EXPECT_EQ(!FileBytes(logFile_).empty(), c.logExpected) << "the wrong file was read";
        const std::wstring& writable = c.besideTheExe ? profileFile_ : programFile_;
        EXPECT_EQ(ValueOf(ParseSettings(FileBytes(writable)), "wheel_B"), c.besideTheExe ? "00000009" : "00000003");
        EXPECT_TRUE(started && QuitFirstInstance(sandbox_, first_));
        if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
        EXPECT_TRUE(FileBytes(guarded) == guardedText) << "replaced";
    }
}

}  // namespace
