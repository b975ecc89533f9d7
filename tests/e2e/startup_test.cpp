// What a first start reads from the monitors, and what a later command line does not read again.
// Wine has no audio endpoint here and WMI no monitor instances: the program runs without both.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "res/resource.h"
#include "tests/e2e/e2e_helpers.h"

namespace {

using Calls = std::vector<std::string>;

// The calls in order, a call followed by "xN" repeated N times.
Calls Expand(std::initializer_list<std::string> calls) {
    Calls all;
    for (const std::string& call : calls) {
        if (call.rfind("x", 0) == 0) {
            all.insert(all.end(), std::stoul(call.substr(1)) - 1, all.back());
        } else {
            all.push_back(call);
        }
    }
    return all;
}

std::wstring ControlText(HWND window, int id) {
    wchar_t text[64] = {};
    GetDlgItemTextW(window, id, text, 64);
    return text;
}

TEST(StartupE2e, BuiltInMonitorsAreProbedInOrderOnceAtStartAndTheVolumeIsOffWithoutAnAudioDevice) {
    E2eRemoveProgramFiles();
    E2eSandbox sandbox;
    ASSERT_TRUE(E2eSandboxCreate(sandbox));
    ProgramProcess first;
    ASSERT_TRUE(StartFirstInstance(sandbox, first));
    // The second monitor has neither gains nor a speaker: three and five attempts.
    EXPECT_EQ(SimValueCalls(sandbox.simLog),
              Expand({"GetMonitorBrightness m0 0x10", "GetMonitorContrast m0 0x12", "GetVCPFeatureAndVCPFeatureReply m0 0xD6",
                      "GetCapabilitiesStringLength m0", "CapabilitiesRequestAndCapabilitiesReply m0",
                      "GetVCPFeatureAndVCPFeatureReply m0 0x14", "GetVCPFeatureAndVCPFeatureReply m0 0x60",
                      "GetMonitorRedGreenOrBlueGain m0 0x00", "GetMonitorRedGreenOrBlueGain m0 0x01",
                      "GetMonitorRedGreenOrBlueGain m0 0x02", "GetVCPFeatureAndVCPFeatureReply m0 0x62",
                      "GetMonitorBrightness m1 0x10", "GetMonitorContrast m1 0x12", "GetVCPFeatureAndVCPFeatureReply m1 0xD6",
                      "GetCapabilitiesStringLength m1", "CapabilitiesRequestAndCapabilitiesReply m1",
                      "GetVCPFeatureAndVCPFeatureReply m1 0x14", "GetVCPFeatureAndVCPFeatureReply m1 0x60",
                      "GetMonitorRedGreenOrBlueGain m1 0x00 fail", "x3", "GetMonitorRedGreenOrBlueGain m1 0x01 fail", "x3",
                      "GetMonitorRedGreenOrBlueGain m1 0x02 fail", "x3", "GetVCPFeatureAndVCPFeatureReply m1 0x62 fail",
                      "x5"}));
    const HWND window = ProgramWaitForMainWindow(first, 0);
    EXPECT_TRUE(IsWindowVisible(window)) << "started without arguments: the panel shows";
    for (const int id : {IDC_VOLUME_SLIDER, IDC_MUTE, IDC_VOLUME_ICON}) EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window, id))) << id;
    EXPECT_EQ(ControlText(window, IDC_VOLUME_LABEL), L"Volume ");

    SecondStartResult later = SecondStartWithCalls(sandbox, L"d");
    EXPECT_EQ(later.exitCode, 75u);
    EXPECT_EQ(later.calls, Calls{});
    // A pass for the second monitor's colour preset re-reads that monitor only.
    later = SecondStartWithCalls(sandbox, L"2 p 6500k d");
    EXPECT_EQ(later.exitCode, 60u);
    ASSERT_FALSE(later.calls.empty());
    EXPECT_EQ(later.calls.front(), "SetVCPFeature m1 0x14=5");
    for (const std::string& call : later.calls) EXPECT_EQ(call.find(" m0"), std::string::npos) << "probed again: " << call;

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
