// Keys and the wheel sent with SendInput from this process reach the running program's
// low-level hooks, which run their lines against the simulated monitors.
#include <windows.h>

#include <gtest/gtest.h>

#include <initializer_list>

#include "tests/e2e/e2e_helpers.h"

namespace {

INPUT Key(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (key == VK_RCONTROL || key == VK_RMENU ? KEYEVENTF_EXTENDEDKEY : 0);
    return input;
}

// Presses the keys in order, turns the wheel a notch forwards when asked, releases them in reverse.
std::vector<std::string> Press(const E2eSandbox& sandbox, std::initializer_list<WORD> keys, bool wheel = false) {
    const size_t before = SimLogReadLines(sandbox.simLog).size();
    std::vector<INPUT> inputs;
    for (WORD key : keys) inputs.push_back(Key(key, false));
    if (wheel) {
        INPUT turn{};
        turn.type = INPUT_MOUSE;
        turn.mi.dwFlags = MOUSEEVENTF_WHEEL;
        turn.mi.mouseData = WHEEL_DELTA;
        inputs.push_back(turn);
    }
    for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) inputs.push_back(Key(*key, true));
    for (INPUT& input : inputs) {
        SendInput(1, &input, sizeof(INPUT));
        Sleep(20);
    }
    SimLogWaitQuiet(sandbox.simLog, 500);
    return SimValueCalls(sandbox.simLog, before);
}

TEST(HooksE2e, HotkeysAndAWheelCombinationDriveTheMonitors) {
    E2eSandbox sandbox;
    ASSERT_TRUE(E2ePrepare(sandbox, {{"hotkey0", "00000674"}, {"editbuffer0", "b - 10"}, {"wheelkeys0", "shift"},
                                     {"direction0", "forwards"}, {"wheelbuffer0", "c - 20"}, {"autocloseflag", "N"}}));
    ProgramProcess first;
    ASSERT_TRUE(StartFirstInstance(sandbox, first));
    using Calls = std::vector<std::string>;
    EXPECT_EQ(Press(sandbox, {VK_LCONTROL, VK_LMENU, VK_F5}), Calls{"SetMonitorBrightness m0 0x10=65"});
    EXPECT_EQ(Press(sandbox, {VK_LSHIFT, VK_LCONTROL, VK_LMENU, VK_F5}), Calls{}) << "Shift added";
    EXPECT_EQ(Press(sandbox, {VK_RCONTROL, VK_RMENU, VK_F5}), Calls{"SetMonitorBrightness m0 0x10=55"});
    EXPECT_EQ(Press(sandbox, {VK_LSHIFT}, true), Calls{"SetMonitorContrast m0 0x12=30"});

    // Escape with the pointer over the panel hides it even while another program has the keys.
    HWND panel = ProgramWaitForMainWindow(first, 0);
    PostMessageW(panel, WM_COMMAND, 40064, 0);
    HWND other = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
    Sleep(1000);
    SetForegroundWindow(other);
    RECT rect{};
    GetWindowRect(panel, &rect);
    SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    ASSERT_TRUE(IsWindowVisible(panel));
    Press(sandbox, {VK_ESCAPE});
    Sleep(500);
    EXPECT_FALSE(IsWindowVisible(panel));
    DestroyWindow(other);
    ProgramKill(first);
    E2eRemoveProgramFiles();
}

}  // namespace
