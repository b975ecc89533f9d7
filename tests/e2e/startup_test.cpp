// What a first start reads from the monitors, and what a later command line does not read again.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/e2e/e2e_helpers.h"

namespace {

std::vector<std::string> Repeated(const std::string& call, int times) { return std::vector<std::string>(times, call); }

std::vector<std::string> Joined(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

class StartupE2e : public ::testing::Test {
protected:
    void SetUp() override {
        E2eRemoveProgramFiles();
        ASSERT_TRUE(E2eSandboxCreate(sandbox_));
    }
    void TearDown() override { E2eRemoveProgramFiles(); }

    void Start(const std::vector<std::string>& expectedReads) {
        ASSERT_TRUE(StartFirstInstance(sandbox_, first_));
        EXPECT_EQ(SimValueCalls(sandbox_.simLog), expectedReads);
    }

    std::vector<std::string> SecondStart(const std::wstring& line, DWORD expectedExitCode) {
        const SecondStartResult result = SecondStartWithCalls(sandbox_, line);
        EXPECT_TRUE(result.ended) << "second start did not end";
        EXPECT_EQ(result.exitCode, expectedExitCode);
        return result.calls;
    }

    E2eSandbox sandbox_;
    ProgramProcess first_;
};

TEST_F(StartupE2e, BuiltInMonitorsAreProbedInOrderOnceAtStart) {
    const std::vector<std::string> expected = Joined({
        {"GetMonitorBrightness m0 0x10", "GetMonitorContrast m0 0x12", "GetVCPFeatureAndVCPFeatureReply m0 0xD6",
         "GetCapabilitiesStringLength m0", "CapabilitiesRequestAndCapabilitiesReply m0",
         "GetVCPFeatureAndVCPFeatureReply m0 0x14", "GetVCPFeatureAndVCPFeatureReply m0 0x60",
         "GetMonitorRedGreenOrBlueGain m0 0x00", "GetMonitorRedGreenOrBlueGain m0 0x01",
         "GetMonitorRedGreenOrBlueGain m0 0x02", "GetVCPFeatureAndVCPFeatureReply m0 0x62"},
        // The second monitor has neither gains nor a speaker: three and five attempts.
        {"GetMonitorBrightness m1 0x10", "GetMonitorContrast m1 0x12", "GetVCPFeatureAndVCPFeatureReply m1 0xD6",
         "GetCapabilitiesStringLength m1", "CapabilitiesRequestAndCapabilitiesReply m1",
         "GetVCPFeatureAndVCPFeatureReply m1 0x14", "GetVCPFeatureAndVCPFeatureReply m1 0x60"},
        Repeated("GetMonitorRedGreenOrBlueGain m1 0x00 fail", 3),
        Repeated("GetMonitorRedGreenOrBlueGain m1 0x01 fail", 3),
        Repeated("GetMonitorRedGreenOrBlueGain m1 0x02 fail", 3),
        Repeated("GetVCPFeatureAndVCPFeatureReply m1 0x62 fail", 5),
    });
    Start(expected);
    EXPECT_EQ(SecondStart(L"d", 75), std::vector<std::string>{});

    // A pass for the second monitor's colour preset re-reads that monitor only.
    const std::vector<std::string> calls = SecondStart(L"2 p 6500k d", 60);
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.front(), "SetVCPFeature m1 0x14=5");
    for (const std::string& call : calls) EXPECT_EQ(call.find(" m0"), std::string::npos) << "probed again: " << call;
}

// A monitor with raw ranges that need conversion, usage time and picture presets in its
// capabilities, beside one that never answers.
TEST_F(StartupE2e, CapabilitiesDecideTheExtraReadsAndASilentMonitorIsTriedThreeTimes) {
    ASSERT_TRUE(SimConfigWrite(sandbox_, R"(latency reply 1
latency write 1
latency caps 1
display \\.\DISPLAY1 0 0 1920 1080
monitor DELL U2415
capabilities (prot(monitor)type(LCD)model(U2415)cmds(01 02 03 07 0C E3 F3)vcp(02 04 05 08 10 12 14(01 05 08 0B) 16 18 1A 60(0F 11 12) 62 C0 D6(01 04 05) DC(00 02 03 05) DF)mccs_ver(2.1))
vcp 10 60 160 min=10
vcp 12 45 90
vcp 14 05 0x0B
vcp 16 200 255
vcp 18 200 255
vcp 1A 200 255
vcp 60 0x11 0x12
vcp 62 20 100
vcp C0 4321 65535 ro
vcp D6 1 5
vcp DC 02 0x05
display \\.\DISPLAY2 1920 0 3840 1080
monitor Generic PnP Monitor
vcp 10 50 100
fail * always monitor=1
)"));
    const std::vector<std::string> expected = Joined({
        {"GetMonitorBrightness m0 0x10", "GetMonitorContrast m0 0x12", "GetVCPFeatureAndVCPFeatureReply m0 0xD6",
         "GetCapabilitiesStringLength m0", "CapabilitiesRequestAndCapabilitiesReply m0",
         "GetVCPFeatureAndVCPFeatureReply m0 0xC0", "GetVCPFeatureAndVCPFeatureReply m0 0x14",
         "GetVCPFeatureAndVCPFeatureReply m0 0x60", "GetVCPFeatureAndVCPFeatureReply m0 0xDC",
         "GetMonitorRedGreenOrBlueGain m0 0x00", "GetMonitorRedGreenOrBlueGain m0 0x01",
         "GetMonitorRedGreenOrBlueGain m0 0x02", "GetVCPFeatureAndVCPFeatureReply m0 0x62"},
        Repeated("GetMonitorBrightness m1 0x10 fail", 3),
    });
    Start(expected);
    // (60 - 10) of (160 - 10) is 33 percent; 45 of 90 is 50.
    EXPECT_EQ(SecondStart(L"d", 33), std::vector<std::string>{});
    EXPECT_EQ(SecondStart(L"e", 50), std::vector<std::string>{});
    // A later pass asks the silent monitor once, without retries, and leaves the other alone.
    EXPECT_EQ(SecondStart(L"get_VCP 0x12", 45),
              (std::vector<std::string>{"GetVCPFeatureAndVCPFeatureReply m0 0x12", "GetMonitorBrightness m1 0x10 fail"}));
}

}  // namespace
