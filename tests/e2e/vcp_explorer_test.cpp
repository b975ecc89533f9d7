// The real VCP explorer against the simulated monitors: what command 1373 lists, and a step
// button of its write dialog writing over DDC/CI.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "tests/e2e/e2e_helpers.h"

namespace {

HWND WaitForVisible(const wchar_t* title) {
    for (const DWORD start = GetTickCount(); GetTickCount() - start < 20000; Sleep(50)) {
        const HWND window = FindWindowW(L"#32770", title);
        if (window != nullptr && IsWindowVisible(window)) return window;
    }
    return nullptr;
}

// The list lives in the program's address space: the item and its text travel through memory there.
std::wstring Cell(const ProgramProcess& program, HWND list, int row, int column) {
    struct Remote {
        LVITEMW item;
        wchar_t text[128];
    } local{};
    auto* remote = static_cast<Remote*>(VirtualAllocEx(program.process, nullptr, sizeof local, MEM_COMMIT, PAGE_READWRITE));
    local.item.iSubItem = column;
    local.item.pszText = remote->text;
    local.item.cchTextMax = 128;
    WriteProcessMemory(program.process, remote, &local, sizeof local, nullptr);
    SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(remote));
    ReadProcessMemory(program.process, remote, &local, sizeof local, nullptr);
    VirtualFreeEx(program.process, remote, 0, MEM_RELEASE);
    return local.text;
}

void ClickRow(const ProgramProcess& program, HWND list, int row) {
    RECT box{LVIR_BOUNDS, 0, 0, 0};
    void* remote = VirtualAllocEx(program.process, nullptr, sizeof box, MEM_COMMIT, PAGE_READWRITE);
    WriteProcessMemory(program.process, remote, &box, sizeof box, nullptr);
    SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(remote));
    ReadProcessMemory(program.process, remote, &box, sizeof box, nullptr);
    VirtualFreeEx(program.process, remote, 0, MEM_RELEASE);
    const LPARAM at = MAKELPARAM(box.left + 20, (box.top + box.bottom) / 2);
    PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(list, WM_LBUTTONUP, 0, at);
}

TEST(VcpExplorerE2e, ListsTheReadableAnnouncedCodesAndAStepButtonWrites) {
    E2eSandbox sandbox;
    ASSERT_TRUE(E2ePrepare(sandbox, {{"minimizeflag", "Y"}}));
    ProgramProcess first;
    ASSERT_TRUE(StartFirstInstance(sandbox, first));
    PostMessageW(ProgramWaitForMainWindow(first, 0), WM_COMMAND, 1373, 0);
    const HWND explorer = WaitForVisible(L"VCP-codes");
    ASSERT_NE(explorer, nullptr);
    EXPECT_EQ(FindWindowW(L"#32770", L"Lumistrand"), nullptr) << "the wait window has closed";

    // Announced by the first monitor and answered by it: code, current, maximum.
    const std::vector<std::wstring> expected = {L"02 1 2",   L"04 0 1",   L"10 75 100", L"12 50 100", L"14 5 11",
                                                L"16 50 100", L"18 50 100", L"1A 50 100", L"60 1 3",   L"D6 1 5"};
    const HWND list = GetDlgItem(explorer, 1375);
    std::vector<std::wstring> rows;
    for (int row = 0; row < SendMessageW(list, LVM_GETITEMCOUNT, 0, 0); ++row) {
        rows.push_back(Cell(first, list, row, 0) + L" " + Cell(first, list, row, 3) + L" " + Cell(first, list, row, 4));
    }
    EXPECT_EQ(rows, expected);

    ClickRow(first, list, 2);
    const HWND write = WaitForVisible(L"setVCP");
    ASSERT_NE(write, nullptr);
    wchar_t button[64] = {};
    GetDlgItemTextW(write, 1378, button, 64);
    EXPECT_EQ(std::wstring(button), L"Display1 setVCP 0x10");
    const size_t before = SimLogReadLines(sandbox.simLog).size();
    PostMessageW(GetDlgItem(write, 1388), BM_CLICK, 0, 0);
    Sleep(300);
    SimLogWaitQuiet(sandbox.simLog);
    std::vector<std::string> writes;
    for (const std::string& call : SimValueCalls(sandbox.simLog, before)) {
        if (call.rfind("Set", 0) == 0) writes.push_back(call);
    }
    EXPECT_EQ(writes, std::vector<std::string>{"SetVCPFeature m0 0x10=80"});

    PostMessageW(write, WM_CLOSE, 0, 0);
    PostMessageW(list, WM_KEYDOWN, VK_ESCAPE, 0);  // the main window's loop must hand Escape to the explorer
    for (const DWORD start = GetTickCount(); IsWindow(explorer) && GetTickCount() - start < 5000;) Sleep(20);
    EXPECT_FALSE(IsWindow(explorer));
    ASSERT_TRUE(QuitFirstInstance(sandbox, first));
    E2eRemoveProgramFiles();
}

}  // namespace
