// A new start while something already runs: at 00:00 a second start forwards at once instead of
// waiting in the first instance's midnight guard, and an older version is ended by any new start.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/e2e/e2e_helpers.h"

namespace {

// A POSIX time zone in which it is 00:00 now, hh:mm behind UTC; when the minute is nearly over,
// the next one is waited for, so that a start has the rest of it.
std::string ZoneAtMidnight() {
    SYSTEMTIME now;
    GetSystemTime(&now);
    if (now.wSecond > 45) {
        Sleep((61 - now.wSecond) * 1000);
        GetSystemTime(&now);
    }
    char zone[32];
    std::snprintf(zone, sizeof zone, "TZ=ZZZ+%02u:%02u", now.wHour, now.wMinute);
    return zone;
}

// Wine gives a process the local time of its Unix TZ, which a Windows child inherits unchanged,
// so this start goes through the Unix side. Its exit code, or -1 when it could not run.
long RunInZone(const std::string& zone, std::vector<std::string> arguments,
               const std::vector<EnvironmentSetting>& environment) {
    using SpawnFn = LONG(WINAPI*)(char* const*, int);
    const auto spawn = reinterpret_cast<SpawnFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "__wine_unix_spawnvp")));
    if (spawn == nullptr) return -1;
    std::vector<std::string> words = {"env", zone};
    for (const EnvironmentSetting& setting : environment) words.push_back(Narrowed(setting.name + L"=" + setting.value));
    words.insert(words.end(), {"wine", Narrowed(ProgramPathBesideTests(L"Lumistrand.exe"))});
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    return spawn(argv.data(), 1);
}

bool StartOlderVersion(ProgramProcess& older) {
    return ProgramStart(ProgramPathBesideTests(L"window_standin.exe"), L"", {}, older) &&
           ProgramWaitForWindow(older, L"Lumistrand class 6.3", 10000) != nullptr;
}

class SecondStartE2e : public ::testing::Test {
protected:
    void SetUp() override {
        E2eRemoveProgramFiles();
        ASSERT_TRUE(E2eSandboxCreate(sandbox_));
    }
    void TearDown() override { E2eRemoveProgramFiles(); }

    E2eSandbox sandbox_;
    ProgramProcess first_;
};

TEST_F(SecondStartE2e, AtMidnightTheLineIsForwardedAtOnce) {
    ASSERT_TRUE(StartFirstInstance(sandbox_, first_));
    const std::string zone = ZoneAtMidnight();
    const DWORD started = GetTickCount();
    EXPECT_EQ(RunInZone(zone, {"b", "37", "d"}, E2eSandboxEnvironment(sandbox_)), 37);
    // The guard would hold the start for the rest of the minute, in pauses of 5 s.
    EXPECT_LT(GetTickCount() - started, 4000u);
    EXPECT_TRUE(QuitFirstInstance(sandbox_, first_));
}

TEST_F(SecondStartE2e, AnOlderVersionIsEndedByANewStartWhichThenRunsAsItWould) {
    std::vector<EnvironmentSetting> environment = E2eSandboxEnvironment(sandbox_);
    environment.push_back({L"WINEDLLOVERRIDES", L"dxva2=n;rstrtmgr=n"});
    ProgramProcess older;
    ASSERT_TRUE(StartOlderVersion(older));
    ASSERT_TRUE(ProgramStartLumistrand(L"", environment, first_));
    DWORD code = 0;
    EXPECT_TRUE(ProgramWaitForExit(older, 10000, code)) << "the older version still runs";
    ASSERT_NE(ProgramWaitForMainWindow(first_, 30000), nullptr) << "the new start did not become the first instance";
    ASSERT_EQ(WaitForInputIdle(first_.process, 30000), 0u);

    // Beside a running instance of this version, a second start ends the older one before it forwards.
    ASSERT_TRUE(StartOlderVersion(older));
    ASSERT_TRUE(ProgramRunToExit(L"b 37 d", environment, 30000, code));
    EXPECT_EQ(code, 37u);
    EXPECT_TRUE(ProgramWaitForExit(older, 10000, code)) << "the older version still runs";
    EXPECT_TRUE(QuitFirstInstance(sandbox_, first_));
}

}  // namespace
