// The two settings files (beside the exe and in the roaming profile) and the event log as the
// real program writes and reads them.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "tests/e2e/e2e_helpers.h"

namespace {

// The keys of the lines "  <set key="value"></set>" in file order; a line between the root's
// start and end that has another shape gives the key "<malformed>".
Keys KeysOf(const std::string& bytes) {
    Keys keys;
    const std::vector<std::string> lines = TextLines(bytes);
    const std::string open = "  <set ", close = "\"></set>";
    for (size_t i = 2; i + 1 < lines.size(); ++i) {
        const std::string& line = lines[i];
        const size_t equals = line.find("=\"");
        if (line.rfind(open, 0) != 0 || equals == std::string::npos || !line.ends_with(close) ||
            line.find('"', equals + 2) != line.size() - close.size()) {
            keys.emplace_back("<malformed>", line);
            continue;
        }
        keys.emplace_back(line.substr(open.size(), equals - open.size()),
                          line.substr(equals + 2, line.size() - close.size() - equals - 2));
    }
    return keys;
}

std::string ValueOf(const Keys& keys, const std::string& key) {
    for (const auto& [name, value] : keys)
        if (name == key) return value;
    return "<absent>";
}

class SettingsFilesE2e : public ::testing::Test {
protected:
    void SetUp() override {
        CleanUp();
        ASSERT_TRUE(E2eSandboxCreate(sandbox_));
        ASSERT_TRUE(SimConfigWrite(sandbox_, kFastDefaultMonitors));
        ASSERT_FALSE(RoamingProgramFolder().empty());
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
    const std::wstring programFile_ = ProgramPathBesideTests(L"Lumistrand.xml");
    std::wstring profileFile_, logFile_;
};

// The order and number of the keys are the settings table's (host tests); here: the files
// a first start writes, one key a line in the layout XmlLite gives them.
TEST_F(SettingsFilesE2e, FirstStartSavesBothFiles) {
    ASSERT_TRUE(StartFirstInstance(sandbox_, first_));
    std::string program = FileBytes(programFile_);
    ASSERT_FALSE(program.empty()) << "no settings beside the exe";
    EXPECT_TRUE(FileBytes(profileFile_) == program) << "the profile copy differs";
    if (program.rfind("\xEF\xBB\xBF", 0) == 0) program.erase(0, 3);
    EXPECT_TRUE(program.starts_with("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<settings Lumistrand=\"7.2\">\r\n"))
        << program.substr(0, 80);
    EXPECT_TRUE(program.ends_with("\"></set>\r\n</settings>\n"));
    const Keys keys = KeysOf(program);
    EXPECT_GT(keys.size(), 200u);
    for (const auto& [key, value] : keys) EXPECT_NE(key, "<malformed>") << value;
    EXPECT_EQ(ValueOf(keys, "ColorBrightness"), "008000FF");
    EXPECT_EQ(ValueOf(keys, "hiddenrestart"), "N");
}

TEST_F(SettingsFilesE2e, ValuesChangedBesideTheExeAreUsedAndKeptAndTheLogIsWritten) {
    // "Helligkeit über" as UTF-8: a caption that only survives if both reading and writing use UTF-8.
    const std::string caption = "Helligkeit \xC3\xBC" "ber";
    ASSERT_TRUE(FileWriteBytes(programFile_, SettingsText({{"logfileflag", "Y"},
                                                           {"logfile", Narrowed(logFile_)},
                                                           {"wheel_B", "00000007"},
                                                           {"m_editbuffer15", caption}})));
    ASSERT_TRUE(StartFirstInstance(sandbox_, first_));
    for (const std::wstring& path : {programFile_, profileFile_}) {
        const Keys saved = KeysOf(FileBytes(path));
        EXPECT_EQ(ValueOf(saved, "logfileflag"), "Y");
        EXPECT_EQ(ValueOf(saved, "logfile"), Narrowed(logFile_));
        EXPECT_EQ(ValueOf(saved, "wheel_B"), "00000007");
        EXPECT_EQ(ValueOf(saved, "m_editbuffer15"), caption);
        EXPECT_EQ(ValueOf(saved, "wheel_C"), "0000000A") << "an absent key keeps its default";
    }
    EXPECT_EQ(SecondStartWithCalls(sandbox_, L"b 40").exitCode, 0u);
    const DWORD processId = first_.processId;
    ProgramKill(first_);

    // UTF-16 LE with its mark and header, then lines of this process in start-up order.
    ASSERT_EQ(FileBytes(logFile_).substr(0, 2), "\xFF\xFE") << "no UTF-16 LE log";
    const std::wstring text = Utf16FileText(logFile_);
    const std::wstring header = L"Process identifier,  time,  monitorname,  command,  or some other information\r\n\r\n";
    ASSERT_EQ(text.rfind(header, 0), 0u);
    EXPECT_TRUE(text.ends_with(L"\r\n"));
    wchar_t pid[16];
    swprintf(pid, 16, L"%08X  ", static_cast<unsigned>(processId));
    const std::vector<std::wstring> expected = {
        L"  Lumistrand_7_2 starts",
        L"  GetMonitorBrightness SUCCESS  ",
        L"  MinimumBrightness 0  CurrentBrightness 75  MaximumBrightness 100",
        L"  SetMonitorBrightness SUCCESS  ",
    };
    size_t next = 0;
    for (size_t start = header.size(), end; start < text.size(); start = end + 2) {
        end = text.find(L"\r\n", start);
        const std::wstring line = text.substr(start, end - start);
        EXPECT_EQ(line.rfind(pid, 0), 0u) << Narrowed(line);
        EXPECT_EQ(line.substr(12, 1) + line.substr(15, 1) + line.substr(18, 1) + line.substr(23, 2), L":::  ")
            << Narrowed(line);
        if (next < expected.size() && line.find(expected[next]) != std::wstring::npos) ++next;
    }
    EXPECT_EQ(next, expected.size()) << "missing or out of order: " << Narrowed(expected[std::min(next, expected.size() - 1)]);
}

// A file that cannot be replaced keeps its content byte for byte, through the start-up save
// and the save on exit; a file beside the exe that cannot be written is not read either.
TEST_F(SettingsFilesE2e, AFileThatCannotBeReplacedKeepsItsContent) {
    const struct {
        const char* name;
        bool besideTheExe;  // which of the two files is guarded
        bool readOnly;      // else held open without sharing
        bool logExpected;   // only the profile copy switches logging on
    } cases[] = {{"read-only beside the exe", true, true, true},
                 {"read-only profile copy", false, true, false},
                 {"open without sharing beside the exe", true, false, true}};
    for (const auto& c : cases) {
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
        HANDLE held = INVALID_HANDLE_VALUE;
        if (c.readOnly) {
            ASSERT_TRUE(SetFileAttributesW(guarded.c_str(), FILE_ATTRIBUTE_READONLY));
        } else {
            held = CreateFileW(guarded.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
            ASSERT_NE(held, INVALID_HANDLE_VALUE);
        }

        const bool started = StartFirstInstance(sandbox_, first_);
        EXPECT_TRUE(started);
        EXPECT_EQ(!FileBytes(logFile_).empty(), c.logExpected) << "the wrong file was read";
        const std::wstring& writable = c.besideTheExe ? profileFile_ : programFile_;
        EXPECT_EQ(ValueOf(KeysOf(FileBytes(writable)), "wheel_B"), c.besideTheExe ? "00000009" : "00000003");
        EXPECT_TRUE(started && QuitFirstInstance(sandbox_, first_));
        if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
        EXPECT_TRUE(FileBytes(guarded) == (c.besideTheExe ? programText : profileText)) << "replaced";
    }
}

}  // namespace
