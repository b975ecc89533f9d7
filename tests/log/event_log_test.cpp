#include "log/event_log.h"

#include <gtest/gtest.h>

#include <fstream>

#include "monitors/monitor_table.h"
#include "settings/settings.h"
#include "testing/fakes/clock_fake.h"
#include "testing/fakes/files_fake.h"
#include "testing/fakes/shell_fake.h"
#include "testing/file_text.h"
#include "testing/program_state.h"

namespace {

namespace fs = std::filesystem;

constexpr std::uint32_t kNone = static_cast<std::uint32_t>(-1);

TEST(LogLine, FieldsAppearOnlyWhenTheirConditionHoldsAndLongOnesAreCut) {
    const LocalTime t{.hour = 23, .minute = 5, .second = 0, .milliseconds = 999};
    const std::wstring longText(600, L't'), longExtra(5000, L'e');
    const struct {
        bool duplicate;
        std::uint32_t device;
        const wchar_t* name;
        const wchar_t* text;
        std::int32_t outcome;
        const wchar_t* extra;
        std::wstring expected;
    } cases[] = {
        {false, 0x1234, L"", L"op", -1, nullptr, L"op  \r\n"},
        {true, 0x1234, L"", L"op", -1, nullptr, L"00001234  op  \r\n"},
        {false, 0, L"Mon", L"op", 0, L"why", L"Mon  op ERROR  why\r\n"},
        {false, 0, L"", L"op", 2, L"kept", L"kept\r\n"},
        {false, 0, L"", nullptr, 1, nullptr, L"\r\n"},
        {false, 0, L"", longText.c_str(), -1, longExtra.c_str(), std::wstring(520, L't') + std::wstring(4096, L'e') + L"\r\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatLogLine(42, t, c.duplicate, c.device, c.name, c.text, c.outcome, c.extra),
                  L"0000002A  23:05:00:0999  " + c.expected);
    }
    EXPECT_EQ(EncodeUtf16Le(std::wstring(1, static_cast<wchar_t>(0x1F600)) + L"A"), std::string("\x3D\xD8\x00\xDE\x41\x00", 6));
    EXPECT_EQ(LogAsideName(L"C:\\a.b\\log", 12), L"C:\\a.b\\log.012");
}

class EventLogFile : public ::testing::Test {
protected:
    void SetUp() override {
        fs::remove_all(root);
        fs::create_directories(root);
        FakeShellSetRoamingFolder(root.wstring());
        ResetProgramState();
        g_settings.logfileflag = true;
        FakeClockSetLocalTime(LocalTime{.year = 2026, .month = 3, .day = 4, .hour = 7, .minute = 8, .second = 9, .milliseconds = 45});
        wchar_t pid[16];
        std::swprintf(pid, 16, L"%08X", ProcessCurrentId());
        stamp = pid + std::wstring(L"  07:08:09:0045  ");
    }
    void TearDown() override { fs::remove_all(root); }

    const fs::path root = fs::temp_directory_path() / ("lumistrand-log-" + std::to_string(ProcessCurrentId()));
    std::wstring stamp;
};

TEST_F(EventLogFile, FirstLineCreatesTheFileNamesComeFromTheTableAndAForeignFileIsKeptAside) {
    const fs::path log = root / "Lumistrand" / "Lumistrand.txt";
    g_settings.logfileflag = false;
    EXPECT_EQ(LogEvent(5, 0, L"op", 77, L"x"), 77);
    EXPECT_FALSE(fs::exists(log)) << "logging off";
    g_settings.logfileflag = true;
    EXPECT_EQ(LogEvent(kNone, -1, L"SetMonitorBrightness", 1, nullptr), 1);
    EXPECT_EQ(FakeFilesHostPath(g_settings.logfile), log);
    const std::string first = FileBytes(log);
    EXPECT_EQ(first, EncodeUtf16Le(L"\xFEFFProcess identifier,  time,  monitorname,  command,  or some other information\r\n\r\n" +
                                   stamp + L"SetMonitorBrightness SUCCESS  \r\n"));

    LogSetMonitorName(1, L"DellU2414H");
    LogSetDuplicateMode(true);
    FakeClockAdvance(1000);
    const std::wstring later = stamp.substr(0, 16) + L"10:0045  ";
    LogEvent(0xABCD12, 1, L"GetMonitorBrightness", 0, L"value 5");
    LogEvent(0xABCD12, 2, L"x", -1, nullptr);  // entry 2 has no name
    EXPECT_TRUE(LogFailureCause(true, L"Save settings", L"C:\\a.xml", 5));
    EXPECT_FALSE(LogFailureCause(false, L"Save settings", L"C:\\a.xml", 5));
    const std::string named = FileBytes(log);
    EXPECT_EQ(named, first + EncodeUtf16Le(later + L"00ABCD12  DellU2414H  GetMonitorBrightness ERROR  value 5\r\n" +
                                           later + L"00ABCD12  x  \r\n" + later +
                                           L"Save settings ERROR  C:\\a.xml  error 0x00000005\r\n"));

    // A file another process holds loses the line silently.
    FakeFilesHoldOpen(g_settings.logfile, true);
    EXPECT_EQ(LogEvent(kNone, -1, L"lost", 0, nullptr), 0);
    FakeFilesHoldOpen(g_settings.logfile, false);
    EXPECT_EQ(FileBytes(log), named);

    fs::create_directories(root / "docs");
    g_settings.logfile = (root / "docs" / "notes.txt").wstring();
    std::ofstream(root / "docs" / "notes.txt") << "my notes";
    std::ofstream(root / "docs" / "notes.000") << "older";
    EXPECT_EQ(LogEvent(kNone, -1, L"op", 1, nullptr), 1);
    EXPECT_EQ(FileBytes(root / "docs" / "notes.001"), "my notes");
    EXPECT_EQ(FileBytes(root / "docs" / "notes.000"), "older");
    EXPECT_EQ(FileBytes(root / "docs" / "notes.txt"), EncodeUtf16Le(LogFileHeader() + later + L"op SUCCESS  \r\n"));
}

}  // namespace
