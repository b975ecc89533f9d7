// The log file's bytes as the real file functions write them.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "log/event_log.h"
#include "monitors/monitor_table.h"
#include "settings/settings.h"
#include "testing/program_state.h"

namespace {

std::wstring TempFolder() {
    wchar_t buffer[MAX_PATH];
    const DWORD length = GetTempPathW(MAX_PATH, buffer);
    std::wstring folder(buffer, length);
    folder += L"lumistrand-log-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

std::string ReadAll(const std::wstring& path) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "<missing>";
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}

void WriteAll(const std::wstring& path, const std::string& bytes) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

std::wstring Utf16(const std::string& bytes) {
    std::wstring text(bytes.size() / 2, L'\0');
    if (!text.empty()) memcpy(&text[0], bytes.data(), text.size() * 2);
    return text;
}

// "PPPPPPPP  hh:mm:ss:mmmm  " with this process's id.
std::wstring Stamp(const std::wstring& line) { return line.substr(0, 25); }

class EventLogWin32 : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
        folder = TempFolder();
        path = folder + L"\\log.txt";
        DeleteFileW(path.c_str());
        DeleteFileW((folder + L"\\log.000").c_str());
        g_settings.logfileflag = true;
        g_settings.logfile = path;
    }
    void TearDown() override {
        DeleteFileW(path.c_str());
        DeleteFileW((folder + L"\\log.000").c_str());
        RemoveDirectoryW(folder.c_str());
    }
    std::wstring folder, path;
};

TEST_F(EventLogWin32, NewFileHoldsMarkHeaderAndLines) {
    LogSetMonitorName(0, L"Dell");
    EXPECT_EQ(LogEvent(0xFFFFFFFFu, 0, L"SetMonitorBrightness", 1, nullptr), 1);
    EXPECT_EQ(LogEvent(0xFFFFFFFFu, -1, nullptr, -1, L"\x00E4nderung"), -1);

    const std::string bytes = ReadAll(path);
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xFF);
    EXPECT_EQ(static_cast<unsigned char>(bytes[1]), 0xFE);
    const std::wstring text = Utf16(bytes);
    const std::wstring header = L"\xFEFFProcess identifier,  time,  monitorname,  command,  or some other information\r\n\r\n";
    ASSERT_EQ(text.substr(0, header.size()), header);

    const std::wstring lines = text.substr(header.size());
    const std::size_t split = lines.find(L"\r\n") + 2;
    const std::wstring first = lines.substr(0, split);
    const std::wstring second = lines.substr(split);
    wchar_t pid[16];
    swprintf(pid, 16, L"%08X  ", static_cast<unsigned>(GetCurrentProcessId()));
    EXPECT_EQ(first.substr(0, 10), pid);
    EXPECT_EQ(first.substr(25), L"Dell  SetMonitorBrightness SUCCESS  \r\n");
    EXPECT_EQ(second.substr(0, 10), pid);
    EXPECT_EQ(second.substr(25), L"\x00E4nderung\r\n");
    // hh:mm:ss:mmmm with two blanks after it
    const std::wstring stamp = Stamp(first);
    EXPECT_EQ(stamp[12], L':');
    EXPECT_EQ(stamp[15], L':');
    EXPECT_EQ(stamp[18], L':');
    EXPECT_EQ(stamp.substr(23), L"  ");
}

TEST_F(EventLogWin32, ForeignFileIsMovedAsideWithItsContent) {
    WriteAll(path, "plain 8-bit text");
    LogEvent(0xFFFFFFFFu, -1, L"op", 0, nullptr);
    EXPECT_EQ(ReadAll(folder + L"\\log.000"), "plain 8-bit text");
    const std::wstring text = Utf16(ReadAll(path));
    EXPECT_EQ(text.substr(0, 19), L"\xFEFFProcess identifier");
    EXPECT_EQ(text.substr(text.size() - 12), L"op ERROR  \r\n");
}

TEST_F(EventLogWin32, FileHeldWithoutSharingLosesTheLine) {
    LogEvent(0xFFFFFFFFu, -1, L"first", -1, nullptr);
    const std::string before = ReadAll(path);
    const HANDLE held = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(LogEvent(0xFFFFFFFFu, -1, L"lost", 1, nullptr), 1);
    CloseHandle(held);
    EXPECT_EQ(ReadAll(path), before);
}

}  // namespace
