// Timed lines, a full-screen program and dimming after inactivity against one running program:
// what each writes to the simulated monitors, and what comes back afterwards.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "tests/e2e/e2e_helpers.h"

namespace {

size_t Count(const E2eSandbox& sandbox, size_t from, const std::string& call) {
    const std::vector<std::string> calls = SimValueCalls(sandbox.simLog, from);
    return static_cast<size_t>(std::count(calls.begin(), calls.end(), call));
}

bool WaitForCall(const E2eSandbox& sandbox, size_t from, const std::string& call, DWORD timeoutMs) {
    for (const DWORD start = GetTickCount(); GetTickCount() - start < timeoutMs; Sleep(100)) {
        if (Count(sandbox, from, call) > 0) return true;
    }
    return false;
}

void Tap(WORD key) {
    keybd_event(static_cast<BYTE>(key), 0, 0, 0);
    keybd_event(static_cast<BYTE>(key), 0, KEYEVENTF_KEYUP, 0);
    Sleep(300);
}

TEST(AutomationE2e, ATimedLineAFullScreenProgramAndDimmingDriveTheMonitors) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    const unsigned minute = now.wHour * 60u + now.wMinute;
    if (minute < 4 || minute > 1435) GTEST_SKIP() << "too close to midnight";
    const auto hex = [](unsigned value) {
        char text[9];
        std::snprintf(text, sizeof text, "%X", value);
        return std::string(text);
    };
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    Keys settings{{"exitday", hex(now.wDay)}, {"App0", Narrowed(self)}, {"Commandline0", "c 44"}};
    const std::pair<unsigned, const char*> timed[] = {{minute - 3, "b 11"}, {minute - 1, "b 22"}, {minute + 3, "b 33"}};
    for (int i = 0; i < 3; ++i) {
        const std::string entry = "ptimer" + std::to_string(i);
        settings.insert(settings.end(), {{entry + "stimeHour", hex(timed[i].first / 60)},
                                         {entry + "stimeMinute", hex(timed[i].first % 60)}, {entry + "buffer", timed[i].second}});
    }
    E2eSandbox sandbox;
    ASSERT_TRUE(E2ePrepare(sandbox, settings));
    ProgramProcess first;
    ASSERT_TRUE(StartFirstInstance(sandbox, first));

    // The latest passed entry runs at the first check, once; the earlier and the later do not.
    EXPECT_TRUE(WaitForCall(sandbox, 0, "SetMonitorBrightness m0 0x10=22", 15000));
    Sleep(10500);
    EXPECT_EQ(Count(sandbox, 0, "SetMonitorBrightness m0 0x10=22"), 1u);
    EXPECT_EQ(Count(sandbox, 0, "SetMonitorBrightness m0 0x10=11") + Count(sandbox, 0, "SetMonitorBrightness m0 0x10=33"), 0u);

    // A window of this program covering the first monitor runs its line once; shrunk, it gives the contrast back.
    const size_t beforeCover = SimLogReadLines(sandbox.simLog).size();
    HWND cover = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(cover, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& full = monitor.rcMonitor;
    SetWindowPos(cover, HWND_TOP, full.left, full.top, full.right - full.left, full.bottom - full.top, 0);
    SetForegroundWindow(cover);
    EXPECT_TRUE(WaitForCall(sandbox, beforeCover, "SetMonitorContrast m0 0x12=44", 5000));
    SetWindowPos(cover, nullptr, 0, 0, 100, 100, SWP_NOZORDER);
    EXPECT_TRUE(WaitForCall(sandbox, beforeCover, "SetMonitorContrast m0 0x12=50", 5000));
    EXPECT_EQ(Count(sandbox, beforeCover, "SetMonitorContrast m0 0x12=44"), 1u);

    // The first line's list menu opens the monitor dialog: dimming after a minute; a key undims.
    HWND window = ProgramWaitForMainWindow(first, 0);
    PostMessageW(window, WM_COMMAND, 40064, 0);
    Sleep(1000);
    RECT header{};
    GetWindowRect(FindWindowExW(GetDlgItem(window, 1001), nullptr, WC_HEADERW, nullptr), &header);
    SetCursorPos(header.left + 20, header.bottom + 6);
    mouse_event(MOUSEEVENTF_RIGHTDOWN, 0, 0, 0, 0);
    mouse_event(MOUSEEVENTF_RIGHTUP, 0, 0, 0, 0);
    Sleep(500);
    Tap(VK_DOWN);
    Tap(VK_RETURN);
    Sleep(500);
    HWND dialog = GetForegroundWindow();
    ASSERT_NE(GetDlgItem(dialog, 1323), nullptr);
    SendMessageW(GetDlgItem(dialog, 1321), BM_SETCHECK, BST_CHECKED, 0);
    SetDlgItemTextW(dialog, 1323, L"1");
    SetDlgItemTextW(dialog, 1073, L"5");
    SendMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    const size_t beforeDim = SimLogReadLines(sandbox.simLog).size();
    EXPECT_TRUE(WaitForCall(sandbox, beforeDim, "SetMonitorBrightness m0 0x10=5", 70000));
    Tap(VK_LSHIFT);
    EXPECT_TRUE(WaitForCall(sandbox, beforeDim, "SetMonitorBrightness m0 0x10=22", 2000));
    DestroyWindow(cover);
    ProgramKill(first);
    E2eRemoveProgramFiles();
}

}  // namespace
