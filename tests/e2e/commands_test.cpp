// Command lines handed by second starts to one running Lumistrand.exe, against the built-in
// simulated monitors: the exit code of every start and the exact monitor traffic it causes.
// The lines run in order and each starts from the state the previous ones left.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/e2e/e2e_helpers.h"

namespace {

using Calls = std::vector<std::string>;

// A write and the full re-read after a colour, input, preset or factory change; capabilities are
// not asked again. The second monitor has neither gains nor speaker: those reads fail each attempt.
Calls WriteAndReread(const std::string& write, int monitor) {
    const std::string m = " m" + std::to_string(monitor) + " 0x", vcp = "GetVCPFeatureAndVCPFeatureReply" + m;
    const std::string fail = monitor == 0 ? "" : " fail";
    Calls calls = {write, "GetMonitorBrightness" + m + "10", "GetMonitorContrast" + m + "12"};
    for (const char* code : {"D6", "14", "60"}) calls.push_back(vcp + code);
    for (const char* gain : {"00", "01", "02"}) {
        calls.insert(calls.end(), monitor == 0 ? 1 : 3, "GetMonitorRedGreenOrBlueGain" + m + gain + fail);
    }
    calls.insert(calls.end(), monitor == 0 ? 1 : 5, vcp + "62" + fail);
    return calls;
}

struct LineCase {
    const wchar_t* line;
    DWORD exitCode;
    Calls calls;                  // exactly these, in this order
    DWORD atLeastMs = 0;          // the line's own pauses
    bool readsMayFollow = false;  // a re-read of every value may come after them, but no write
    const wchar_t* box = nullptr;  // a text the message box that the line opens shows
};

// Monitor 1 starts at brightness 75, contrast 50, gains 50 of 100 (128 of 255), speaker 30;
// monitor 2 at brightness 60, contrast 50, without gains or speaker.
const LineCase kLines[] = {
    {L"b 50", 0, {"SetMonitorBrightness m0 0x10=50"}},
    {L"b + 10", 0, {"SetMonitorBrightness m0 0x10=60"}},
    {L"c - 20", 0, {"SetMonitorContrast m0 0x12=30"}},
    // Gains go from 0..255 to the monitor's 0..100, rounded half away from zero.
    {L"r 200", 0, {"SetMonitorRedGreenOrBlueGain m0 0x00=78"}},
    {L"g 100", 0, {"SetMonitorRedGreenOrBlueGain m0 0x01=39"}},
    {L"bl 153", 0, {"SetMonitorRedGreenOrBlueGain m0 0x02=60"}},
    {L"o 40", 0, {"SetVCPFeature m0 0x62=40"}},
    // A chosen monitor stays the target of later lines.
    {L"2 c 40", 0, {"SetMonitorContrast m1 0x12=40"}},
    {L"e", 40, {}}, {L"1 d", 60, {}},
    {L"pd3220u b 20", 0, {"SetMonitorBrightness m1 0x10=20"}},
    {L"rtk b 30 d", 30, {"SetMonitorBrightness m0 0x10=30"}},
    {L"xy b 50", 0, {}},
    {L"b 10 # c 20", 0, {"SetMonitorBrightness m0 0x10=10"}},
    // A leading ";" has become a blank: only the "," pauses.
    {L"; , b 20", 0, {"SetMonitorBrightness m0 0x10=20"}, 1000},
    {L"t b 0 t b 100", 0, {"SetMonitorBrightness m0 0x10=0"}},
    {L"t b 0 t b 100", 0, {"SetMonitorBrightness m0 0x10=100"}},
    {L"p 9300", 0, WriteAndReread("SetVCPFeature m0 0x14=8", 0), 1000},
    {L"2 s hdmi", 0, WriteAndReread("SetVCPFeature m1 0x60=17", 1), 2000},
    {L"get_VCP 0x60", 17, {"GetVCPFeatureAndVCPFeatureReply m1 0x60"}},
    {L"1 j movie", 0, WriteAndReread("SetVCPFeature m0 0xDC=3", 0), 2000},
    {L"setVCP 0x10 44", 0, {"SetVCPFeature m0 0x10=44", "GetVCPFeatureAndVCPFeatureReply m0 0x10"}, 500, true},
    {L"setvcp 10 - 4", 0,
     {"GetVCPFeatureAndVCPFeatureReply m0 0x10", "SetVCPFeature m0 0x10=40", "GetVCPFeatureAndVCPFeatureReply m0 0x10"},
     500, true},
    {L"get_VCP 0x10", 40, {"GetVCPFeatureAndVCPFeatureReply m0 0x10"}},
    {L"setVCP 0x00 5 b 90", 0, {}},
    // A factory reset brings back every value the monitor started with.
    {L"f", 0, WriteAndReread("SetVCPFeature m0 0x04=1", 0), 4000},
    {L"d", 75, {}},
    // Audio, notification and saturation have no monitor traffic; they must not harm the instance.
    {L"v 30", 0, {}}, {L"m", 0, {}}, {L"u", 0, {}}, {L"?", 0, {}}, {L"1 k 50", 0, {}},
    // The contrast that "2 c 40" set, read back and shown in a box.
    {L"2 getVCP 0x12", 0, {"GetVCPFeatureAndVCPFeatureReply m1 0x12"}, 0, false,
     L"getVCP 0x12\nDisplay2\nContrast\ncurrent value (decimal)  40\nmaximum value (decimal)  100"},
    // Late: the power toggle re-reads the power state 10 s later; a rotation may restart the program.
    {L"2 x", 0, {"GetVCPFeatureAndVCPFeatureReply m1 0xD6", "SetVCPFeature m1 0xD6=4"}},
    {L"w", 0, {}},
};


BOOL CALLBACK CollectText(HWND child, LPARAM texts) {
    wchar_t text[512] = {};
    GetWindowTextW(child, text, 512);
    *reinterpret_cast<std::wstring*>(texts) += std::wstring(text) + L"|";
    return TRUE;
}

TEST(CommandLineE2e, EachLineExitsWithItsCodeAndCausesExactlyItsMonitorTraffic) {
    E2eSandbox sandbox;
    ProgramProcess first;  // ended when the test ends
    E2eRemoveProgramFiles();
    ASSERT_TRUE(E2eSandboxCreate(sandbox));
    ASSERT_TRUE(SimConfigWrite(sandbox, kFastDefaultMonitors));
    ASSERT_TRUE(StartFirstInstance(sandbox, first));
    // Longer than any gap within the work a line starts (the 50 ms retry pauses).
    constexpr DWORD kQuietMs = 300;
    DWORD exitCode = 0;
    for (const LineCase& c : kLines) {
        SCOPED_TRACE(Narrowed(c.line));
        const SecondStartResult result = SecondStartWithCalls(sandbox, c.line, kQuietMs);
        EXPECT_TRUE(result.ended) << "second start did not end";
        EXPECT_EQ(result.exitCode, c.exitCode);
        EXPECT_GE(result.elapsedMs, c.atLeastMs);
        const Calls& calls = result.calls;
        if (c.readsMayFollow) {
            ASSERT_GE(calls.size(), c.calls.size());
            EXPECT_EQ(Calls(calls.begin(), calls.begin() + static_cast<long>(c.calls.size())), c.calls);
            for (size_t i = c.calls.size(); i < calls.size(); ++i) EXPECT_EQ(calls[i].rfind("Get", 0), 0u) << calls[i];
        } else {
            EXPECT_EQ(calls, c.calls);
        }
        if (c.box != nullptr) {
            HWND box = ProgramWaitForWindow(first, L"#32770", 10000);
            ASSERT_NE(box, nullptr) << "no message box";
            std::wstring texts;
            EnumChildWindows(box, CollectText, reinterpret_cast<LPARAM>(&texts));
            EXPECT_NE(texts.find(c.box), std::wstring::npos) << Narrowed(texts);
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        }
        ASSERT_FALSE(ProgramWaitForExit(first, 0, exitCode)) << "the running instance ended";
    }
}

}  // namespace
