// The log file's bytes as the real file functions write them.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "log/event_log.h"
#include "monitors/monitor_table.h"
#include "settings/settings.h"
#include "testing/program_state.h"

namespace {

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

std::wstring Utf16(const std::string& bytes) {
    std::wstring text(bytes.size() / 2, L'\0');
    if (!text.empty()) memcpy(&text[0], bytes.data(), text.size() * 2);
    return text;
}

TEST(EventLogWin32, NewFileHoldsMarkHeaderAndLinesAndAForeignFileIsMovedAside) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = temp + (L"lumistrand-log-" + std::to_wstring(GetCurrentProcessId()));
    const std::wstring path = folder + L"\\log.txt", aside = folder + L"\\log.000";
    CreateDirectoryW(folder.c_str(), nullptr);
    ResetProgramState();
    g_settings.logfileflag = true;
    g_settings.logfile = path;
    LogSetMonitorName(0, L"Dell");
    const HANDLE foreign = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(foreign, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(foreign, "plain 8-bit text", 16, &written, nullptr);
    CloseHandle(foreign);

    EXPECT_EQ(LogEvent(0xFFFFFFFFu, 0, L"SetMonitorBrightness", 1, nullptr), 1);
    EXPECT_EQ(LogEvent(0xFFFFFFFFu, -1, nullptr, -1, L"\x00E4nderung"), -1);
    EXPECT_EQ(ReadAll(aside), "plain 8-bit text");
    // The bytes after the process id and time of each line.
    const std::string bytes = ReadAll(path);
    const std::wstring text = Utf16(bytes);
    const std::wstring header = L"\xFEFFProcess identifier,  time,  monitorname,  command,  or some other information\r\n\r\n";
    const std::size_t second = text.find(L"\r\n", header.size()) + 2;
    EXPECT_EQ(text.substr(0, header.size()), header);
    EXPECT_EQ(text.substr(header.size() + 25, second - header.size() - 25), L"Dell  SetMonitorBrightness SUCCESS  \r\n");
    EXPECT_EQ(text.substr(second + 25), L"\x00E4nderung\r\n");

    // A file held open without sharing loses the line.
    const HANDLE held = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(LogEvent(0xFFFFFFFFu, -1, L"lost", 1, nullptr), 1);
    CloseHandle(held);
    EXPECT_EQ(ReadAll(path), bytes);

    DeleteFileW(path.c_str());
    DeleteFileW(aside.c_str());
    RemoveDirectoryW(folder.c_str());
    ResetProgramState();
}

}  // namespace
