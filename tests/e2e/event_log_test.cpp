// The event log as the real program writes it during start-up and a forwarded command line.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>
#include <string>
#include <vector>

#include "tests/e2e/e2e_helpers.h"

namespace {

const wchar_t kHeader[] = L"Process identifier,  time,  monitorname,  command,  or some other information\r\n\r\n";

bool IsUpperHex(wchar_t c) { return (c >= L'0' && c <= L'9') || (c >= L'A' && c <= L'F'); }
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// "%08X  %02d:%02d:%02d:%04d  " at the start of the line.
bool HasLinePrefix(const std::wstring& line) {
    const std::wstring shape = L"HHHHHHHH  dd:dd:dd:dddd  ";
    if (line.size() < shape.size()) return false;
    for (size_t i = 0; i < shape.size(); ++i) {
        const wchar_t want = shape[i], got = line[i];
        if (want == L'H' ? !IsUpperHex(got) : want == L'd' ? !IsDigit(got) : got != want) return false;
    }
    const int hours = std::stoi(line.substr(10, 2)), minutes = std::stoi(line.substr(13, 2)),
              seconds = std::stoi(line.substr(16, 2));
    return hours < 24 && minutes < 60 && seconds < 60;
}

std::vector<std::wstring> SplitLines(const std::wstring& text) {
    std::vector<std::wstring> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(L"\r\n", start);
        if (end == std::wstring::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

TEST(EventLogE2e, StartUpAndAForwardedLineAreLoggedInTheFileLayout) {
    E2eRemoveProgramFiles();
    E2eSandbox sandbox;
    ASSERT_TRUE(E2eSandboxCreate(sandbox));
    ASSERT_TRUE(SimConfigWrite(sandbox, kFastDefaultMonitors));
    const std::wstring logPath = sandbox.folder + L"\\events.txt";
    std::string settings = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<settings Lumistrand=\"7.2\">\r\n"
                           "  <set logfileflag=\"Y\"></set>\r\n  <set logfile=\"";
    for (wchar_t c : logPath) settings += static_cast<char>(c);
    settings += "\"></set>\r\n</settings>\n";
    ASSERT_TRUE(FileWriteBytes(ProgramPathBesideTests(L"Lumistrand.xml"), settings));

    ProgramProcess first;
    ASSERT_TRUE(StartFirstInstance(sandbox, first));
    DWORD exitCode = 1;
    ASSERT_TRUE(ProgramRunToExit(L"b 40", E2eSandboxEnvironment(sandbox), 30000, exitCode));
    EXPECT_EQ(exitCode, 0u);
    SimLogWaitQuiet(sandbox.simLog);
    const DWORD pid = first.processId;
    ProgramKill(first);
    E2eRemoveProgramFiles();

    const std::string bytes = FileBytes(logPath);
    ASSERT_GE(bytes.size(), 2u) << "no log written";
    ASSERT_EQ(bytes.size() % 2, 0u);
    ASSERT_EQ(bytes.substr(0, 2), std::string("\xFF\xFE", 2)) << "no UTF-16 LE byte-order mark";
    std::wstring text;
    for (size_t i = 2; i + 1 < bytes.size(); i += 2)
        text += static_cast<wchar_t>(static_cast<unsigned char>(bytes[i]) | (static_cast<unsigned char>(bytes[i + 1]) << 8));
    ASSERT_EQ(text.rfind(kHeader, 0), 0u) << "header";
    ASSERT_GE(text.size(), 2u);
    EXPECT_EQ(text.substr(text.size() - 2), L"\r\n");

    wchar_t pidText[16];
    swprintf(pidText, 16, L"%08X  ", static_cast<unsigned>(pid));
    const std::vector<std::wstring> lines = SplitLines(text.substr(std::wstring(kHeader).size()));
    ASSERT_FALSE(lines.empty());
    for (const std::wstring& line : lines) {
        EXPECT_TRUE(HasLinePrefix(line)) << "not in the line layout: " << std::string(line.begin(), line.end());
        EXPECT_EQ(line.rfind(pidText, 0), 0u) << "another process id: " << std::string(line.begin(), line.end());
    }

    // Each expected text, found in this order after the fields that vary.
    const std::vector<std::wstring> expected = {
        L"  Lumistrand_7_2 starts",
        L"  GetMonitorBrightness SUCCESS  ",
        L"  MinimumBrightness 0  CurrentBrightness 75  MaximumBrightness 100",
        L"  SetMonitorBrightness SUCCESS  ",
    };
    size_t next = 0;
    for (const std::wstring& line : lines) {
        if (next == expected.size()) break;
        const std::wstring& want = expected[next];
        if (line.find(want) != std::wstring::npos) ++next;
    }
    EXPECT_EQ(next, expected.size()) << "missing or out of order: "
                                     << std::string(expected[std::min(next, expected.size() - 1)].begin(),
                                                    expected[std::min(next, expected.size() - 1)].end());
}

}  // namespace
