#include "log/event_log.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "monitors/monitor_table.h"
#include "settings/settings.h"
#include "testing/fakes/clock_fake.h"
#include "testing/fakes/files_fake.h"
#include "testing/fakes/shell_fake.h"
#include "testing/program_state.h"

namespace {

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::wstring Pid() {
    wchar_t buffer[16];
    std::swprintf(buffer, 16, L"%08X", ProcessCurrentId());
    return buffer;
}

class EventLogFile : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
        root = fs::temp_directory_path() /
               ("lumistrand-log-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(root);
        fs::create_directories(root);
        FakeShellSetRoamingFolder(root.wstring());
        g_settings.logfileflag = true;
        FakeClockSetLocalTime(LocalTime{.year = 2026, .month = 3, .day = 4, .hour = 7, .minute = 8, .second = 9, .milliseconds = 45});
    }
    void TearDown() override { fs::remove_all(root); }

    fs::path DefaultLog() const { return root / "Lumistrand" / "Lumistrand.txt"; }
    fs::path root;
};

TEST_F(EventLogFile, OffWritesNothingAndReturnsEveryOutcome) {
    g_settings.logfileflag = false;
    for (const std::int32_t outcome : {-1, 0, 1, 2, 77}) {
        EXPECT_EQ(LogEvent(5, 0, L"op", outcome, L"x"), outcome);
    }
    EXPECT_FALSE(fs::exists(root / "Lumistrand"));
}

TEST_F(EventLogFile, FirstLineCreatesDefaultFileWithMarkAndHeader) {
    EXPECT_EQ(LogEvent(static_cast<std::uint32_t>(-1), -1, L"SetMonitorBrightness", 1, nullptr), 1);
    EXPECT_EQ(FakeFilesHostPath(g_settings.logfile), DefaultLog());
    const std::string expected = EncodeUtf16Le(
        L"\xFEFFProcess identifier,  time,  monitorname,  command,  or some other information\r\n\r\n" +
        Pid() + L"  07:08:09:0045  SetMonitorBrightness SUCCESS  \r\n");
    const std::string bytes = ReadBytes(DefaultLog());
    EXPECT_EQ(bytes, expected);
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xFF);
    EXPECT_EQ(static_cast<unsigned char>(bytes[1]), 0xFE);

    FakeClockAdvance(1000);
    EXPECT_EQ(LogEvent(static_cast<std::uint32_t>(-1), -1, nullptr, -1, L"second"), -1);
    EXPECT_EQ(ReadBytes(DefaultLog()), expected + EncodeUtf16Le(Pid() + L"  07:08:10:0045  second\r\n"));
}

TEST_F(EventLogFile, MonitorNameAndDeviceIdComeFromTheTable) {
    LogSetMonitorName(1, L"DellU2414H");
    LogSetDuplicateMode(true);
    LogEvent(0xABCD12, 1, L"GetMonitorBrightness", 0, L"value 5");
    LogEvent(0xABCD12, 2, L"x", -1, nullptr);  // entry 2 has no name
    EXPECT_TRUE(LogFailureCause(true, L"Save settings", L"C:\\a.xml", 5));
    EXPECT_FALSE(LogFailureCause(false, L"Save settings", L"C:\\a.xml", 5));
    const std::string bytes = ReadBytes(DefaultLog());
    const std::string lines = bytes.substr(EncodeUtf16Le(LogFileHeader()).size());
    EXPECT_EQ(lines, EncodeUtf16Le(Pid() + L"  07:08:09:0045  00ABCD12  DellU2414H  GetMonitorBrightness ERROR  value 5\r\n" +
                                   Pid() + L"  07:08:09:0045  00ABCD12  x  \r\n" + Pid() +
                                   L"  07:08:09:0045  Save settings ERROR  C:\\a.xml  error 0x00000005\r\n"));
}

TEST_F(EventLogFile, ForeignFileIsKeptAsideAndReplaced) {
    fs::create_directories(root / "docs");
    g_settings.logfile = (root / "docs" / "notes.txt").wstring();
    { std::ofstream(root / "docs" / "notes.txt") << "my notes"; }
    { std::ofstream(root / "docs" / "notes.000") << "older"; }

    EXPECT_EQ(LogEvent(static_cast<std::uint32_t>(-1), -1, L"op", 1, nullptr), 1);

    EXPECT_EQ(ReadBytes(root / "docs" / "notes.001"), "my notes");
    EXPECT_EQ(ReadBytes(root / "docs" / "notes.000"), "older");
    EXPECT_EQ(ReadBytes(root / "docs" / "notes.txt"),
              EncodeUtf16Le(LogFileHeader() + Pid() + L"  07:08:09:0045  op SUCCESS  \r\n"));
}

TEST_F(EventLogFile, LockedFileLosesTheLineSilently) {
    LogEvent(static_cast<std::uint32_t>(-1), -1, L"first", -1, nullptr);
    const std::string before = ReadBytes(DefaultLog());
    FakeFilesHoldOpen(g_settings.logfile, true);
    EXPECT_EQ(LogEvent(static_cast<std::uint32_t>(-1), -1, L"lost", 0, nullptr), 0);
    FakeFilesHoldOpen(g_settings.logfile, false);
    EXPECT_EQ(ReadBytes(DefaultLog()), before);
}

TEST(LogLineLayout, FieldsAppearOnlyWhenTheirConditionHolds) {
    const LocalTime t{.hour = 23, .minute = 5, .second = 0, .milliseconds = 999};
    const std::uint32_t none = static_cast<std::uint32_t>(-1);
    struct Case {
        bool duplicate;
        std::uint32_t device;
        const wchar_t* name;
        const wchar_t* text;
        std::int32_t outcome;
        const wchar_t* extra;
        const wchar_t* expected;
    } cases[] = {
        {false, 0x1234, L"", L"op", -1, nullptr, L"0000002A  23:05:00:0999  op  \r\n"},
        {true, 0x1234, L"", L"op", -1, nullptr, L"0000002A  23:05:00:0999  00001234  op  \r\n"},
        {true, none, L"", L"op", -1, nullptr, L"0000002A  23:05:00:0999  op  \r\n"},
        {false, 0, L"Mon", L"op", 1, nullptr, L"0000002A  23:05:00:0999  Mon  op SUCCESS  \r\n"},
        {false, 0, L"Mon", L"op", 0, L"why", L"0000002A  23:05:00:0999  Mon  op ERROR  why\r\n"},
        {false, 0, L"", L"op", 2, L"kept", L"0000002A  23:05:00:0999  kept\r\n"},
        {false, 0, L"", nullptr, 1, nullptr, L"0000002A  23:05:00:0999  \r\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatLogLine(42, t, c.duplicate, c.device, c.name, c.text, c.outcome, c.extra), c.expected)
            << c.expected;
    }
}

TEST(LogLineLayout, LongFieldsAreCut) {
    const std::wstring text(600, L't');
    const std::wstring extra(5000, L'e');
    const std::wstring line = FormatLogLine(1, LocalTime{}, false, 0, L"", text.c_str(), -1, extra.c_str());
    EXPECT_EQ(line, L"00000001  00:00:00:0000  " + std::wstring(520, L't') + std::wstring(4096, L'e') + L"\r\n");
}

TEST(LogEncoding, WritesSurrogatePairsAndNumberedAsideNames) {
    EXPECT_EQ(EncodeUtf16Le(std::wstring(1, static_cast<wchar_t>(0x1F600)) + L"A"), std::string("\x3D\xD8\x00\xDE\x41\x00", 6));
    EXPECT_EQ(LogAsideName(L"C:\\a.b\\log.txt", 7), L"C:\\a.b\\log.007");
    EXPECT_EQ(LogAsideName(L"C:\\a.b\\log", 12), L"C:\\a.b\\log.012");
}

}  // namespace
