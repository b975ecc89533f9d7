// The log file through the real file functions: what they move, share and refuse.
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

TEST(EventLogWin32, AForeignFileIsMovedAsideAndAFileHeldOpenLosesTheLine) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = temp + (L"lumistrand-log-" + std::to_wstring(GetCurrentProcessId()));
    const std::wstring path = folder + L"\\log.txt", aside = folder + L"\\log.000";
    CreateDirectoryW(folder.c_str(), nullptr);
    ResetProgramState();
    g_settings.logfileflag = true;
    g_settings.logfile = path;
    const HANDLE foreign = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(foreign, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(foreign, "plain 8-bit text", 16, &written, nullptr);
    CloseHandle(foreign);

    EXPECT_EQ(LogEvent(0xFFFFFFFFu, 0, L"SetMonitorBrightness", 1, nullptr), 1);
    EXPECT_EQ(ReadAll(aside), "plain 8-bit text");
    const std::string first = ReadAll(path);
    EXPECT_TRUE(first.starts_with(EncodeUtf16Le(LogFileHeader()))) << first;
    LogEvent(0xFFFFFFFFu, -1, L"second", 1, nullptr);
    const std::string bytes = ReadAll(path);
    EXPECT_TRUE(bytes.size() > first.size() && bytes.starts_with(first)) << "our own file is kept and appended to";

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
