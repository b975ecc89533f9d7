// The real control panel driven from another process as its user would, against the simulated
// monitors: what it shows, and the bus traffic each control causes.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>

#include "tests/e2e/e2e_helpers.h"

namespace {

// The user clears the first line's check box; the item lives in the program's address space.
void UntickFirstLine(const ProgramProcess& program, HWND list) {
    LVITEMW item{};
    item.state = INDEXTOSTATEIMAGEMASK(1);
    item.stateMask = LVIS_STATEIMAGEMASK;
    void* remote = VirtualAllocEx(program.process, nullptr, sizeof(item), MEM_COMMIT, PAGE_READWRITE);
    ASSERT_NE(remote, nullptr);
    ASSERT_TRUE(WriteProcessMemory(program.process, remote, &item, sizeof(item), nullptr));
    SendMessageW(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(remote));
    VirtualFreeEx(program.process, remote, 0, MEM_RELEASE);
}

TEST(ControlPanelE2e, ShowsTheSelectedMonitorAndEachControlWritesOnlyWhatItSays) {
    E2eRemoveProgramFiles();
    E2eSandbox sandbox;
    ASSERT_TRUE(E2eSandboxCreate(sandbox));
    std::string monitors = kFastDefaultMonitors;
    monitors.insert(monitors.find("DF FD FF"), "DC(00 03 05) ");  // the first offers its presets
    ASSERT_TRUE(SimConfigWrite(sandbox, monitors));
    ASSERT_TRUE(FileWriteBytes(ProgramPathBesideTests(L"Lumistrand.xml"),
                               SettingsText({{"minimizeflag", "Y"}, {"safety", "Y"}})));
    ProgramProcess first;
    ASSERT_TRUE(StartFirstInstance(sandbox, first));
    HWND window = ProgramWaitForMainWindow(first, 0);
    ASSERT_FALSE(IsWindowVisible(window));

    const auto brightnessLabel = [&] {
        wchar_t text[64] = {};
        GetDlgItemTextW(window, 1002, text, 64);
        return std::wstring(text);
    };
    SendMessageW(window, WM_COMMAND, 40064, 0);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(brightnessLabel(), L"Brightness 75");
    EXPECT_EQ(SendDlgItemMessageW(window, 1038, TBM_GETPOS, 0, 0), 25);
    EXPECT_EQ(SecondStartWithCalls(sandbox, L"b 30").calls, std::vector<std::string>{"SetMonitorBrightness m0 0x10=30"});
    EXPECT_EQ(brightnessLabel(), L"Brightness 30");
    EXPECT_EQ(SendDlgItemMessageW(window, 1038, TBM_GETPOS, 0, 0), 70);

    const HWND slider = GetDlgItem(window, 1038), list = GetDlgItem(window, 1001);
    const struct {
        const char* what;
        std::function<void()> act;
        std::vector<std::string> writes;
    } steps[] = {
        {"one keyboard step", [&] {
             PostMessageW(slider, WM_KEYDOWN, VK_DOWN, 0);
             PostMessageW(slider, WM_KEYUP, VK_DOWN, 0);
         }, {"SetMonitorBrightness m0 0x10=29"}},
        {"contrast 100", [&] { SendDlgItemMessageW(window, 40042, BM_CLICK, 0, 0); }, {"SetMonitorContrast m0 0x12=100"}},
        {"a preset", [&] {
             const HWND presets = GetDlgItem(window, 1368);
             ASSERT_NE(SendMessageW(presets, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"Movie")), CB_ERR);
             PostMessageW(window, WM_COMMAND, MAKEWPARAM(1368, CBN_SELCHANGE), reinterpret_cast<LPARAM>(presets));
         }, {"SetVCPFeature m0 0xDC=3"}},
        {"an untick under safety", [&] {
             UntickFirstLine(first, list);
             HWND information = nullptr;  // the power-off information: the only dialog on this desktop
             for (const DWORD start = GetTickCount(); !information && GetTickCount() - start < 5000; Sleep(50))
                 information = FindWindowW(L"#32770", nullptr);
             ASSERT_NE(information, nullptr);
             PostMessageW(information, WM_COMMAND, IDCANCEL, 0);
         }, {}},
    };
    for (const auto& step : steps) {
        const size_t before = SimLogReadLines(sandbox.simLog).size();
        step.act();
        SimLogWaitQuiet(sandbox.simLog);
        std::vector<std::string> writes;
        for (const std::string& call : SimValueCalls(sandbox.simLog, before))
            if (call.rfind("Set", 0) == 0) writes.push_back(call);
        EXPECT_EQ(writes, step.writes) << step.what;
    }
    EXPECT_EQ(SendMessageW(list, LVM_GETITEMSTATE, 0, LVIS_STATEIMAGEMASK), INDEXTOSTATEIMAGEMASK(2)) << "the tick is back";

    ASSERT_TRUE(QuitFirstInstance(sandbox, first));
    E2eRemoveProgramFiles();
}

}  // namespace
