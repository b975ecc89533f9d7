// Command lines handed by a second start to a running Lumistrand.exe, against the simulated
// dxva2.dll with its two built-in monitors (contrast 50 on both).
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "testing/wine/e2e_harness_win32.h"

namespace {

constexpr DWORD kStartMs = 30000;
constexpr DWORD kLineMs = 30000;

class CommandLineE2e : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(E2eSandboxCreate(sandbox_));
        environment_ = E2eSandboxEnvironment(sandbox_);
        ASSERT_TRUE(ProgramStartLumistrand(L"", environment_, first_));
        ASSERT_NE(ProgramWaitForMainWindow(first_, kStartMs), nullptr);
    }

    // A second start with this line; its exit code is the running instance's answer.
    DWORD SecondStart(const std::wstring& line) {
        DWORD exitCode = 0xFFFFFFFF;
        EXPECT_TRUE(ProgramRunToExit(line, environment_, kLineMs, exitCode)) << "second start did not end";
        return exitCode;
    }

    bool Logged(const std::string& operation, const std::string& detail) const {
        const std::vector<std::string> lines = SimLogReadLines(sandbox_.simLog);
        return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
            return line.find(" " + operation + " ") != std::string::npos && line.find(detail) != std::string::npos &&
                   line.size() >= 3 && line.compare(line.size() - 3, 3, " ok") == 0;
        });
    }

    E2eSandbox sandbox_;
    std::vector<EnvironmentSetting> environment_;
    ProgramProcess first_;
};

TEST_F(CommandLineE2e, BrightnessLineChangesTheFirstMonitorAndExitsZero) {
    EXPECT_EQ(SecondStart(L"b 50"), 0u);
    EXPECT_TRUE(Logged("SetMonitorBrightness", "display=0 monitor=0 code=0x10 in=50"));
}

TEST_F(CommandLineE2e, GetVcpAsErrorLevelExitsWithTheMonitorsValue) {
    EXPECT_EQ(SecondStart(L"get_VCP 0x12"), 50u);
    EXPECT_EQ(SecondStart(L"2 c 37 get_VCP 0x12"), 37u);
}

TEST_F(CommandLineE2e, MonitorNumberTargetsTheSecondDisplay) {
    EXPECT_EQ(SecondStart(L"2 c 40"), 0u);
    EXPECT_TRUE(Logged("SetMonitorContrast", "monitor=1 code=0x12 in=40"));
    EXPECT_FALSE(Logged("SetMonitorContrast", "monitor=0 code=0x12 in=40"));
}

TEST_F(CommandLineE2e, QuitEndsTheRunningInstanceWithoutAsking) {
    SecondStart(L"q");
    DWORD exitCode = 0;
    EXPECT_TRUE(ProgramWaitForExit(first_, 15000, exitCode)) << "the first instance still runs";
}

}  // namespace
