// The messages Windows sends the main window on display, session and power changes, and the
// popup menu's commands, against one running program and the copies that take its place.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/e2e/e2e_helpers.h"

namespace {

const wchar_t kClass[] = L"Lumistrand class 7.2";
const GUID kMonitorPowerOn = {0x02731015, 0x4510, 0x4526, {0x99, 0xE6, 0xE5, 0xA1, 0x7E, 0xBD, 0x1A, 0xEA}};

size_t Count(const std::wstring& log, const wchar_t* text) {
    size_t count = 0;
    for (size_t at = log.find(text); at != std::wstring::npos; at = log.find(text, at + 1)) ++count;
    return count;
}

bool WaitForLog(const std::wstring& path, const wchar_t* text, DWORD timeoutMs) {
    for (const DWORD start = GetTickCount(); GetTickCount() - start < timeoutMs; Sleep(100))
        if (Count(Utf16FileText(path), text) != 0) return true;
    return false;
}

// The block lives in the receiver's address space, as the system's does.
void SendMonitorPowerOn(const ProgramProcess& program, HWND window) {
    struct {
        GUID setting;
        DWORD length;
        DWORD data;
    } block{kMonitorPowerOn, sizeof(DWORD), 1};
    void* remote = VirtualAllocEx(program.process, nullptr, sizeof(block), MEM_COMMIT, PAGE_READWRITE);
    ASSERT_NE(remote, nullptr);
    ASSERT_TRUE(WriteProcessMemory(program.process, remote, &block, sizeof(block), nullptr));
    EXPECT_EQ(SendMessageW(window, WM_POWERBROADCAST, PBT_POWERSETTINGCHANGE, reinterpret_cast<LPARAM>(remote)), TRUE);
    VirtualFreeEx(program.process, remote, 0, MEM_RELEASE);
}

// The help windows the program shows: dialogs holding a rich-text field.
std::vector<HWND> HelpWindows(const ProgramProcess& program) {
    return ProgramWindows(program, [](HWND window) { return FindWindowExW(window, nullptr, L"RichEdit20W", nullptr) != nullptr; });
}

LPARAM g_monitorPowerState = -1;  // what SC_MONITORPOWER asked for; -1: it never came

LRESULT CALLBACK Bystander(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_MONITORPOWER) g_monitorPowerState = lParam;
    return DefWindowProcW(window, message, wParam, lParam);
}

TEST(SystemEventsE2e, EventsLogAndRestartOnceAndTheMenuDoesWhatItSays) {
    E2eRemoveProgramFiles();
    E2eSandbox sandbox;
    ASSERT_TRUE(E2eSandboxCreate(sandbox));
    ASSERT_TRUE(SimConfigWrite(sandbox, kFastDefaultMonitors));
    const std::wstring log = sandbox.folder + L"\\events.txt";
    ASSERT_TRUE(FileWriteBytes(ProgramPathBesideTests(L"Lumistrand.xml"),
                               SettingsText({{"logfileflag", "Y"}, {"logfile", Narrowed(log)}, {"m_editbuffer0", "b 33"}})));
    ProgramProcess first, second, third;
    ASSERT_TRUE(StartFirstInstance(sandbox, first));
    HWND window = ProgramWaitForMainWindow(first, 0);

    SendMessageW(window, WM_WTSSESSION_CHANGE, 5, 7);
    EXPECT_EQ(Count(Utf16FileText(log), L"WM_WTSSESSION_CHANGE 00000005 00000007"), 1u);
    SendMonitorPowerOn(first, window);
    SendMonitorPowerOn(first, window);
    EXPECT_EQ(Count(Utf16FileText(log), L"PowerSettingEvent MONITOR_POWER_ON ON -> check configuration after 20 sec."), 1u)
        << "the first is the answer to the registration";
    SendMessageW(window, WM_DISPLAYCHANGE, 32, MAKELPARAM(1920, 1080));

    const size_t before = SimLogReadLines(sandbox.simLog).size();
    PostMessageW(window, WM_COMMAND, 20, 0);
    SimLogWaitQuiet(sandbox.simLog);
    EXPECT_EQ(SimValueCalls(sandbox.simLog, before), std::vector<std::string>{"SetMonitorBrightness m0 0x10=33"});

    const WNDCLASSW bystanderClass{0, Bystander, 0, 0, GetModuleHandleW(nullptr), nullptr, nullptr, nullptr, nullptr, L"Bystander"};
    RegisterClassW(&bystanderClass);
    HWND bystander = CreateWindowExW(0, L"Bystander", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    PostMessageW(window, WM_COMMAND, 40067, 0);
    for (const DWORD start = GetTickCount(); g_monitorPowerState == -1 && GetTickCount() - start < 5000; Sleep(10)) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    }
    DestroyWindow(bystander);
    EXPECT_EQ(g_monitorPowerState, 2) << "no monitor-off broadcast reached a top-level window";

    // The same monitors after the display change: the check keeps the program running.
    EXPECT_TRUE(WaitForLog(log, L"WM_DISPLAYCHANGE 10 seconds ago -> now check if configuration has changed", 20000));
    SimLogWaitQuiet(sandbox.simLog);
    DWORD exitCode = 0;
    EXPECT_FALSE(ProgramWaitForExit(first, 0, exitCode));
    EXPECT_EQ(Count(Utf16FileText(log), L"monitor configuration changed"), 0u);

    // Waking and a new taskbar together: one restart.
    EXPECT_EQ(SendMessageW(window, WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0), TRUE);
    SendMessageW(window, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    window = WaitForSuccessor(window, second);
    ASSERT_NE(window, nullptr) << "no copy took over after the resume";
    EXPECT_TRUE(ProgramWaitForExit(first, 5000, exitCode));
    EXPECT_EQ(Count(Utf16FileText(log), L"PBT_APMRESUMEAUTOMATIC -> restart Lumistrand after 5 seconds"), 1u);
    EXPECT_EQ(Count(Utf16FileText(log), L"TaskbarCreated message received -> restart Lumistrand after 5 seconds"), 1u);
    EXPECT_EQ(Count(Utf16FileText(log), L"seconds ago -> now restart Lumistrand"), 1u);

    // A rescan asked twice before the first is handled: one reason, one copy.
    PostMessageW(window, WM_COMMAND, 1120, 0);
    PostMessageW(window, WM_COMMAND, 1171, 0);
    window = WaitForSuccessor(window, third);
    ASSERT_NE(window, nullptr) << "no copy took over after the rescan";
    EXPECT_TRUE(ProgramWaitForExit(second, 5000, exitCode));
    EXPECT_EQ(Count(Utf16FileText(log), L"rescan monitors -> restart Lumistrand"), 1u);

    // Help opens once; asking again brings the same window back.
    PostMessageW(window, WM_COMMAND, 40068, 0);
    PostMessageW(window, WM_COMMAND, 40068, 0);
    Sleep(2000);
    const std::vector<HWND> help = HelpWindows(third);
    ASSERT_EQ(help.size(), 1u);
    EXPECT_TRUE(IsWindowVisible(help[0]));
    PostMessageW(help[0], WM_COMMAND, IDOK, 0);
    Sleep(500);
    EXPECT_TRUE(HelpWindows(third).empty());

    // Terminating asks once however often it is chosen; Cancel keeps the program.
    PostMessageW(window, WM_COMMAND, 40074, 0);
    PostMessageW(window, WM_COMMAND, 40074, 0);
    HWND box = ProgramWaitForWindow(third, L"#32770", 10000);
    ASSERT_NE(box, nullptr) << "no question";
    Sleep(500);  // a second question would be up by now
    PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
    Sleep(500);
    EXPECT_EQ(ProgramWaitForWindow(third, L"#32770", 0), nullptr) << "asked twice";
    EXPECT_FALSE(ProgramWaitForExit(third, 0, exitCode)) << "Cancel ended the program";
    // q while the question is up ends the program once, without a copy.
    PostMessageW(window, WM_COMMAND, 40074, 0);
    ASSERT_NE(ProgramWaitForWindow(third, L"#32770", 10000), nullptr);
    EXPECT_TRUE(ProgramRunToExit(L"q", E2eSandboxEnvironment(sandbox), 30000, exitCode));
    EXPECT_TRUE(ProgramWaitForExit(third, 10000, exitCode));
    EXPECT_EQ(exitCode, 0u);
    Sleep(1000);
    EXPECT_EQ(FindWindowW(kClass, nullptr), nullptr) << "a copy started";
    EXPECT_EQ(Count(Utf16FileText(log), L"Lumistrand_7_2 ends"), 3u);
    for (ProgramProcess* program : {&first, &second, &third}) ProgramKill(*program);
    E2eRemoveProgramFiles();
}

}  // namespace
