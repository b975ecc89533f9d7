// Command lines handed by second starts to one running Lumistrand.exe, against the built-in
// simulated monitors: the exit code of every start and the exact monitor traffic it causes.
// The lines run in order and each starts from the state the previous ones left.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/e2e/e2e_helpers.h"

namespace {

// Longer than any gap within the work a line starts (the 50 ms retry pauses).
constexpr DWORD kQuietMs = 300;
const wchar_t kMainClass[] = L"Lumistrand class 7.2";

using Calls = std::vector<std::string>;

Calls Plus(Calls calls, const Calls& more) {
    calls.insert(calls.end(), more.begin(), more.end());
    return calls;
}

// The full re-read after a colour, input, preset or factory change; capabilities are not asked again.
const Calls kFirstMonitorReread = {
    "GetMonitorBrightness m0 0x10", "GetMonitorContrast m0 0x12", "GetVCPFeatureAndVCPFeatureReply m0 0xD6",
    "GetVCPFeatureAndVCPFeatureReply m0 0x14", "GetVCPFeatureAndVCPFeatureReply m0 0x60",
    "GetMonitorRedGreenOrBlueGain m0 0x00", "GetMonitorRedGreenOrBlueGain m0 0x01",
    "GetMonitorRedGreenOrBlueGain m0 0x02", "GetVCPFeatureAndVCPFeatureReply m0 0x62"};
const Calls kSecondMonitorReread = Plus(
    {"GetMonitorBrightness m1 0x10", "GetMonitorContrast m1 0x12", "GetVCPFeatureAndVCPFeatureReply m1 0xD6",
     "GetVCPFeatureAndVCPFeatureReply m1 0x14", "GetVCPFeatureAndVCPFeatureReply m1 0x60"},
    {"GetMonitorRedGreenOrBlueGain m1 0x00 fail", "GetMonitorRedGreenOrBlueGain m1 0x00 fail",
     "GetMonitorRedGreenOrBlueGain m1 0x00 fail", "GetMonitorRedGreenOrBlueGain m1 0x01 fail",
     "GetMonitorRedGreenOrBlueGain m1 0x01 fail", "GetMonitorRedGreenOrBlueGain m1 0x01 fail",
     "GetMonitorRedGreenOrBlueGain m1 0x02 fail", "GetMonitorRedGreenOrBlueGain m1 0x02 fail",
     "GetMonitorRedGreenOrBlueGain m1 0x02 fail", "GetVCPFeatureAndVCPFeatureReply m1 0x62 fail",
     "GetVCPFeatureAndVCPFeatureReply m1 0x62 fail", "GetVCPFeatureAndVCPFeatureReply m1 0x62 fail",
     "GetVCPFeatureAndVCPFeatureReply m1 0x62 fail", "GetVCPFeatureAndVCPFeatureReply m1 0x62 fail"});

struct LineCase {
    const wchar_t* line;
    DWORD exitCode;
    Calls calls;            // exactly these, in this order
    bool readsMayFollow;    // a re-read of every value may come after them, but no write
    DWORD atLeastMs = 0;    // the line's own pauses
};

// Monitor 1 starts at brightness 75, contrast 50, gains 50 of 100 (128 of 255), speaker 30;
// monitor 2 at brightness 60, contrast 50, without gains or speaker.
const LineCase kLines[] = {
    {L"b 50", 0, {"SetMonitorBrightness m0 0x10=50"}, false},
    {L"b + 10", 0, {"SetMonitorBrightness m0 0x10=60"}, false},
    {L"b 150", 0, {}, false},
    {L"c - 20", 0, {"SetMonitorContrast m0 0x12=30"}, false},
    // Gains go from 0..255 to the monitor's 0..100, rounded half away from zero.
    {L"r 200", 0, {"SetMonitorRedGreenOrBlueGain m0 0x00=78"}, false},
    {L"g 100", 0, {"SetMonitorRedGreenOrBlueGain m0 0x01=39"}, false},
    {L"l 51", 0, {"SetMonitorRedGreenOrBlueGain m0 0x02=20"}, false},
    {L"i 102", 0, {"SetMonitorRedGreenOrBlueGain m0 0x02=40"}, false},
    {L"bl 153", 0, {"SetMonitorRedGreenOrBlueGain m0 0x02=60"}, false},
    {L"o 40", 0, {"SetVCPFeature m0 0x62=40"}, false},
    // A chosen monitor stays the target of later lines.
    {L"2 c 40", 0, {"SetMonitorContrast m1 0x12=40"}, false},
    {L"e", 40, {}, false},
    {L"1 d", 60, {}, false},
    {L"pd3220u b 20", 0, {"SetMonitorBrightness m1 0x10=20"}, false},
    {L"rtk b 30 d", 30, {"SetMonitorBrightness m0 0x10=30"}, false},
    {L"5 b 50 c 20", 0, {}, false},
    {L"xy b 50", 0, {}, false},
    {L"b 10 # c 20", 0, {"SetMonitorBrightness m0 0x10=10"}, false},
    // A leading ";" has become a blank: only the "," pauses.
    {L"; , b 20", 0, {"SetMonitorBrightness m0 0x10=20"}, false, 1000},
    {L"t b 0 t b 100", 0, {"SetMonitorBrightness m0 0x10=0"}, false},
    {L"t b 0 t b 100", 0, {"SetMonitorBrightness m0 0x10=100"}, false},
    {L"t b 0 t b 100", 0, {"SetMonitorBrightness m0 0x10=0"}, false},
    {L"p 9300", 0, Plus({"SetVCPFeature m0 0x14=8"}, kFirstMonitorReread), false, 1000},
    {L"2 s hdmi", 0, Plus({"SetVCPFeature m1 0x60=17"}, kSecondMonitorReread), false, 2000},
    {L"get_VCP 0x60", 17, {"GetVCPFeatureAndVCPFeatureReply m1 0x60"}, false},
    {L"1 j movie", 0, Plus({"SetVCPFeature m0 0xDC=3"}, kFirstMonitorReread), false, 2000},
    {L"setVCP 0x10 44", 0, {"SetVCPFeature m0 0x10=44", "GetVCPFeatureAndVCPFeatureReply m0 0x10"}, true, 500},
    {L"setvcp 10 - 4", 0,
     {"GetVCPFeatureAndVCPFeatureReply m0 0x10", "SetVCPFeature m0 0x10=40", "GetVCPFeatureAndVCPFeatureReply m0 0x10"},
     true, 500},
    {L"get_VCP 0x10", 40, {"GetVCPFeatureAndVCPFeatureReply m0 0x10"}, false},
    {L"setVCP 0x00 5 b 90", 0, {}, false},
    // A factory reset brings back every value the monitor started with.
    {L"f", 0, Plus({"SetVCPFeature m0 0x04=1"}, kFirstMonitorReread), false, 4000},
    {L"d", 75, {}, false},
    // Audio, notification and saturation have no monitor traffic; they must not harm the instance.
    {L"v 30", 0, {}, false},
    {L"m", 0, {}, false},
    {L"u", 0, {}, false},
    {L"?", 0, {}, false},
    {L"1 k 50", 0, {}, false},
    // Late: the power toggle re-reads the power state 10 s later; a rotation may restart the program.
    {L"2 x", 0, {"GetVCPFeatureAndVCPFeatureReply m1 0xD6", "SetVCPFeature m1 0xD6=4"}, false},
    {L"w", 0, {}, false},
};

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

BOOL CALLBACK CollectText(HWND child, LPARAM texts) {
    wchar_t text[512] = {};
    GetWindowTextW(child, text, 512);
    *reinterpret_cast<std::wstring*>(texts) += std::wstring(text) + L"|";
    return TRUE;
}

class CommandLineE2e : public ::testing::Test {
protected:
    void SetUp() override {
        E2eRemoveProgramFiles();
        ASSERT_TRUE(E2eSandboxCreate(sandbox_));
        ASSERT_TRUE(SimConfigWrite(sandbox_, kFastDefaultMonitors));
        ASSERT_TRUE(StartFirstInstance(sandbox_, first_));
    }
    void TearDown() override {
        ProgramKill(first_);
        E2eRemoveProgramFiles();
    }

    DWORD Run(const std::wstring& line, Calls& calls, DWORD& elapsedMs) {
        const SecondStartResult result = SecondStartWithCalls(sandbox_, line, kQuietMs);
        EXPECT_TRUE(result.ended) << "second start did not end";
        calls = result.calls;
        elapsedMs = result.elapsedMs;
        return result.exitCode;
    }

    E2eSandbox sandbox_;
    ProgramProcess first_;
};

TEST_F(CommandLineE2e, EachLineExitsWithItsCodeAndCausesExactlyItsMonitorTraffic) {
    for (const LineCase& c : kLines) {
        SCOPED_TRACE(Narrow(c.line));
        Calls calls;
        DWORD elapsed = 0;
        EXPECT_EQ(Run(c.line, calls, elapsed), c.exitCode);
        EXPECT_GE(elapsed, c.atLeastMs);
        if (c.readsMayFollow) {
            ASSERT_GE(calls.size(), c.calls.size());
            EXPECT_EQ(Calls(calls.begin(), calls.begin() + static_cast<long>(c.calls.size())), c.calls);
            for (size_t i = c.calls.size(); i < calls.size(); ++i)
                EXPECT_NE(calls[i].rfind("Get", 0), std::string::npos) << "a write after the line: " << calls[i];
        } else {
            EXPECT_EQ(calls, c.calls);
        }
        DWORD stillRunning = 0;
        ASSERT_FALSE(ProgramWaitForExit(first_, 0, stillRunning)) << "the running instance ended";
    }
}

TEST_F(CommandLineE2e, GetVcpShowsTheValueReadAndQuitEndsTheInstanceWithoutAsking) {
    Calls calls;
    DWORD elapsed = 0;
    EXPECT_EQ(Run(L"2 getVCP 0x12", calls, elapsed), 0u);
    EXPECT_EQ(calls, Calls{"GetVCPFeatureAndVCPFeatureReply m1 0x12"});
    HWND box = ProgramWaitForWindow(first_, L"#32770", 10000);
    ASSERT_NE(box, nullptr) << "no box with the value";
    std::wstring texts;
    EnumChildWindows(box, CollectText, reinterpret_cast<LPARAM>(&texts));
    EXPECT_NE(texts.find(L"getVCP 0x12\n"), std::wstring::npos) << Narrow(texts);
    EXPECT_NE(texts.find(L"current value (decimal)  50\nmaximum value (decimal)  100"), std::wstring::npos)
        << Narrow(texts);
    PostMessageW(box, WM_COMMAND, IDOK, 0);

    EXPECT_EQ(Run(L"q", calls, elapsed), 0u);
    DWORD exitCode = 1;
    EXPECT_TRUE(ProgramWaitForExit(first_, 15000, exitCode)) << "the first instance still runs";
    EXPECT_EQ(exitCode, 0u);
    EXPECT_EQ(FindWindowW(kMainClass, nullptr), nullptr);
}

}  // namespace
