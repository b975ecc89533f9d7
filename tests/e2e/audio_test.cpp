// Wine has no audio endpoint here and WMI no monitor instances: the program runs without both.
#include <windows.h>

#include <gtest/gtest.h>

#include "res/resource.h"
#include "tests/e2e/e2e_helpers.h"

namespace {

std::wstring ControlText(HWND window, int id) {
    wchar_t text[64] = {};
    GetDlgItemTextW(window, id, text, 64);
    return text;
}

TEST(AudioE2e, WithoutAnAudioDeviceTheVolumeIsOffAndVFailsCleanly) {
    E2eSandbox sandbox;
    ASSERT_TRUE(E2ePrepare(sandbox, {}));
    ProgramProcess first;
    ASSERT_TRUE(StartFirstInstance(sandbox, first));
    HWND window = ProgramWaitForMainWindow(first, 0);
    for (const int id : {IDC_VOLUME_SLIDER, IDC_MUTE, IDC_VOLUME_ICON}) EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window, id))) << id;
    EXPECT_EQ(ControlText(window, IDC_VOLUME_LABEL), L"Volume ");

    for (const wchar_t* line : {L"v 30", L"m"}) {
        const SecondStartResult result = SecondStartWithCalls(sandbox, line);
        EXPECT_TRUE(result.ended);
        EXPECT_EQ(result.exitCode, 0u) << "v sets no exit code of its own";
    }
    EXPECT_EQ(ControlText(window, IDC_VOLUME_LABEL), L"Volume ");
    DWORD exitCode = 1;
    EXPECT_TRUE(ProgramRunToExit(L"q", E2eSandboxEnvironment(sandbox), 30000, exitCode));
    EXPECT_TRUE(ProgramWaitForExit(first, 10000, exitCode));
    EXPECT_EQ(exitCode, 0u) << "the exit path releases what it attached without a crash";
    ProgramKill(first);
    E2eRemoveProgramFiles();
}

}  // namespace
