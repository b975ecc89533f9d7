#include <gtest/gtest.h>

#include <algorithm>
#include <cwchar>
#include <ostream>

#include "app/forwarding.h"
#include "commands/monitor_limits.h"
#include "commands/vcp_message_box.h"
#include "res/resource.h"
#include "testing/fakes/instance_fake.h"
#include "tests/commands/command_fixture.h"

namespace {

using Writes_ = std::vector<std::string>;

struct LineCase {
    const wchar_t* before;  // run first, its traffic forgotten
    const wchar_t* line;
    Writes_ writes;
    int selectedAfter;
};

void PrintTo(const LineCase& c, std::ostream* out) {
    *out << std::string(c.before, c.before + std::wcslen(c.before)) << " | " << std::string(c.line, c.line + std::wcslen(c.line));
}

class LineTraffic : public CommandTest, public ::testing::WithParamInterface<LineCase> {};

TEST_P(LineTraffic, WritesExactlyTheseValues) {
    const LineCase& c = GetParam();
    Discover();
    Run(c.before);
    SimClearTransactions();
    Run(c.line);
    EXPECT_EQ(Writes(), c.writes);
    EXPECT_EQ(g_monitors.selectedMonitor, c.selectedAfter);
}

std::string B(int monitor, int value) { return "SetMonitorBrightness m" + std::to_string(monitor) + " 16=" + std::to_string(value); }
std::string C(int monitor, int value) { return "SetMonitorContrast m" + std::to_string(monitor) + " 18=" + std::to_string(value); }
std::string Blue(int value) { return "SetMonitorRedGreenOrBlueGain m0 2=" + std::to_string(value); }
std::string Vcp(int monitor, int code, int value) {
    return "SetVCPFeature m" + std::to_string(monitor) + " " + std::to_string(code) + "=" + std::to_string(value);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LineTraffic,
    ::testing::Values(
        // values and the range rule
        LineCase{L"", L"b 50", {B(0, 50)}, 0},
        LineCase{L"", L"b 150", {}, 0},
        LineCase{L"b 95", L"b + 10", {B(0, 100)}, 0},
        LineCase{L"b 100", L"b + 10", {}, 0},
        LineCase{L"b 30", L"b - 200", {B(0, 0)}, 0},
        LineCase{L"b 0", L"b - 5", {}, 0},
        LineCase{L"", L"b c 50", {B(0, 50)}, 0},
        LineCase{L"", L"b - + 5", {B(0, 80)}, 0},
        LineCase{L"", L"b", {}, 0},
        LineCase{L"", L"b99999999999999999999 c 10", {}, 0},
        LineCase{L"", L"c 40 b 20", {C(0, 40), B(0, 20)}, 0},
        // monitor numbers and selectors
        LineCase{L"", L"2 b 50", {B(1, 50)}, 1},
        LineCase{L"", L"0 b 50", {B(0, 50)}, 0},
        LineCase{L"2 b 60", L"1 b 50", {B(0, 50)}, 0},
        LineCase{L"", L"5 b 50", {}, 0},
        LineCase{L"", L"c 10 5 b 50", {C(0, 10)}, 0},
        LineCase{L"", L"rtk b 30 pd3220 c 40", {B(0, 30), C(1, 40)}, 1},
        LineCase{L"", L"display2 b 10", {B(1, 10)}, 1},
        LineCase{L"", L"\"PD 3220U\" b 10", {B(1, 10)}, 1},
        LineCase{L"", L"xy b 50", {}, 0},
        LineCase{L"2 b 60", L"\"\" b 50", {}, 1},
        // blue gain spellings: 200 of 255 is 78 of the raw 0..100
        LineCase{L"", L"bl 200", {Blue(78)}, 0},
        LineCase{L"", L"l 200", {Blue(78)}, 0},
        LineCase{L"", L"i 200", {Blue(78)}, 0},
        LineCase{L"", L"blue 200", {}, 0},
        // comments, unknown letters and words
        LineCase{L"", L"b 10 # c 20", {B(0, 10)}, 0},
        LineCase{L"", L"h b 10", {B(0, 10)}, 0},
        // generic VCP writes, each followed by a silent read-back
        LineCase{L"", L"setVCP 0x10 50", {Vcp(0, 0x10, 50)}, 0},
        LineCase{L"", L"setvcp 10 50", {Vcp(0, 0x10, 50)}, 0},
        LineCase{L"", L"setvcp 0x10 + 10", {Vcp(0, 0x10, 85)}, 0},
        LineCase{L"", L"setvcp 0x10 - 100", {Vcp(0, 0x10, 0)}, 0},
        LineCase{L"", L"setvcp 0x10 + 100", {Vcp(0, 0x10, 100)}, 0},
        LineCase{L"", L"setvcp 0x00 5 b 20", {}, 0},
        LineCase{L"", L"setvcp 0x100 5 b 20", {}, 0},
        LineCase{L"", L"setvcp 0x10", {}, 0},
        LineCase{L"", L"2 setvcp 0x99 + 5 b 20", {}, 1},
        LineCase{L"", L"setvcp 0x73 5 b 20", {}, 0},
        // named values
        LineCase{L"", L"p user", {Vcp(0, 0x14, 11)}, 0},
        LineCase{L"", L"p 6500k", {Vcp(0, 0x14, 5)}, 0},
        LineCase{L"", L"2 s hdmi", {Vcp(1, 0x60, 17)}, 1},
        LineCase{L"", L"s 15", {Vcp(0, 0x60, 15)}, 0},
        LineCase{L"", L"s nosuchinput b 20", {B(0, 20)}, 0},
        LineCase{L"", L"p", {}, 0},
        // limits: 75 is above 60, contrast 50 below 55
        LineCase{L"", L"a 10 60 55 100", {B(0, 60), C(0, 55)}, 0},
        LineCase{L"", L"a 10 60 55", {}, 0},
        LineCase{L"", L"a 0 100 0 100 b 20", {}, 0},
        // power toggle of a named monitor
        LineCase{L"", L"1 x", {Vcp(0, 0xD6, 4)}, 0}));

TEST_F(CommandTest, PausesWaitOnTheMainThreadBeforeTheNextCommand) {
    Discover();
    const auto ticksOf = [this](const wchar_t* line) {
        const std::uint32_t start = ClockTickCount();
        Run(line);
        return SimTransactions().back().tick - start;
    };
    EXPECT_EQ(ticksOf(L"c 10 ; , b 20") - ticksOf(L"c 11 b 21"), 1100u);
    // A leading ";" has become a blank: only the "," pauses.
    EXPECT_EQ(ticksOf(L"; , b 22") - ticksOf(L"b 23"), 1000u);
}

TEST_F(CommandTest, SelectorKeepsTheTargetForLaterLinesAndRefreshesThePanel) {
    Discover();
    Run(L"pd3220u");
    EXPECT_EQ(MonitorListSelectedRow(), 1);
    EXPECT_EQ(FakeSliderPosition(1038), 100 - 60);
    const auto posted = FakeMainWindowTakePostedCommands();
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].commandId, 1049u);
    EXPECT_EQ(InterpreterState().monitorNamedInLine, 1);
    Run(L"c 30");
    EXPECT_EQ(Writes(), Writes_{C(1, 30)});
    EXPECT_EQ(InterpreterState().monitorNamedInLine, 0);
}

TEST_F(CommandTest, ErrorLevelCommandsReportTheTargetsValues) {
    Discover();
    struct Case {
        const wchar_t* line;
        std::int32_t exitCode;
    } cases[] = {{L"d", 75}, {L"e", 50}, {L"2 d", 60}, {L"get_VCP 0x12", 50},
                   {L"2 get_vcp 0x10", 60}, {L"2 get_vcp 0x62", -1}, {L"1 get_vcp 10", 75}, {L"b 40", 0}};
    for (const Case& c : cases) {
        InterpreterClearErrorLevel();
        Run(c.line);
        const LineOutcome outcome = TakeLineOutcome(InterpreterState(), g_monitors);
        EXPECT_EQ(outcome.exitCode, c.exitCode) << c.line;
        EXPECT_EQ(outcome.valueQueried, c.exitCode != 0) << c.line;
    }
    // Even when nothing else clears it, a get_VCP does not outlive its line.
    Run(L"get_vcp 0x12");
    Run(L"D");
    EXPECT_EQ(TakeLineOutcome(InterpreterState(), g_monitors).exitCode, 40);  // the brightness of "b 40"
}

TEST_F(CommandTest, GetVcpPreparesTheResultBoxAndGetVcpAsErrorLevelHidesIt) {
    Discover();
    Run(L"getVCP 0x12");
    EXPECT_EQ(InterpreterState().getVcpErrorLevel, 0);
    EXPECT_TRUE(FakeMainWindowTimerActive(kTimerVcpMessage));
    EXPECT_EQ(PreparedVcpMessage().title, L"getVCP 0x12");
    EXPECT_EQ(PreparedVcpMessage().text.substr(PreparedVcpMessage().text.find(L"\nContrast\n")),
              L"\nContrast\ncurrent value (decimal)  50\nmaximum value (decimal)  100");

    EXPECT_EQ(PreparedVcpBoxStyle(), VcpBoxStyle::Plain);

    Run(L"get_VCP 0x12");
    EXPECT_EQ(InterpreterState().getVcpErrorLevel, 1);
    EXPECT_EQ(InterpreterState().errorLevelRequested, 1);
    EXPECT_EQ(PreparedVcpBoxStyle(), VcpBoxStyle::None);
    // a monitor that does not answer is reported even then
    Run(L"2 get_VCP 0x62");
    EXPECT_EQ(PreparedVcpBoxStyle(), VcpBoxStyle::Warning);
}

TEST_F(CommandTest, TableCodesAreRefusedWithAnErrorBox) {
    Discover();
    Run(L"getvcp 0x73 b 20");
    EXPECT_TRUE(Writes().empty());
    EXPECT_EQ(Count("GetVCPFeatureAndVCPFeatureReply"), 0);
    EXPECT_EQ(PreparedVcpMessage().title, L"getVCP 0x73");
    EXPECT_NE(PreparedVcpMessage().text.find(L"LUT Size\ngetVCP 0x73 is a table-VCP-code,"), std::wstring::npos);
    EXPECT_NE(PreparedVcpMessage().text.find(L"Error"), std::wstring::npos);
    EXPECT_TRUE(FakeMainWindowTimerActive(kTimerVcpMessage));
}

TEST_F(CommandTest, RelativeSetVcpReadsFirstSilentlyThenReadsBack) {
    Discover();
    Run(L"setvcp 0x10 + 10");
    std::vector<std::string> calls;
    for (const SimTransaction& t : SimTransactions()) {
        if (t.code == 0x10) calls.push_back(t.operation);
    }
    EXPECT_EQ(calls, (std::vector<std::string>{"GetVCPFeatureAndVCPFeatureReply", "SetVCPFeature",
                                               "GetVCPFeatureAndVCPFeatureReply"}));
    EXPECT_EQ(Entry(0).getResultCopy, 85);
    EXPECT_FALSE(FakeMainWindowTimerActive(kTimerVcpMessage));
    EXPECT_TRUE(FakeMainWindowTimerActive(0x48));
    EXPECT_EQ(InterpreterState().silentVcpRead, 0);
}

// The line a toggle handed to the main window as a line from inside, "<none>" without one.
std::wstring HandedOver() {
    const auto& sent = FakeInstanceSentLines();
    std::wstring line = L"<none>";
    if (sent.size() == 1 && sent[0].origin == 1) line.assign(sent[0].block.begin(), std::find(sent[0].block.begin(), sent[0].block.end(), u'\0'));
    FakeInstanceReset();
    return line;
}

TEST_F(CommandTest, TogglesAlternatePerKeyAndRunAsLinesOfTheirOwn) {
    Discover();
    const auto handedOver = [] { return HandedOver(); };
    std::vector<std::wstring> seen;
    for (const wchar_t* line :
         {L"t b 0 t b 100", L"t c 5 t c 6", L"t t b 5", L"t b 0 t b 100", L"t t b 5", L"t b 0 t b 100", L"t c 5 t c 6"}) {
        Run(line);
        seen.push_back(handedOver());
    }
    EXPECT_EQ(seen, (std::vector<std::wstring>{L"b 0", L"c 5", L"<none>", L"b 100", L"b 5", L"b 0", L"c 6"}));

    Run(L"t b 0 t b 50 t b 100");
    EXPECT_EQ(handedOver(), L"<none>");
    Run(L"b 5t b 0 t b 1");
    EXPECT_EQ(handedOver(), L"<none>");
    EXPECT_EQ(Writes(), Writes_{B(0, 5)});
    Run(L"t b 7");
    EXPECT_EQ(handedOver(), L"b 7");
    SimClearTransactions();

    // The handed-over line is what the main window runs next.
    Run(L"t b 0 t b 100");
    Run(handedOver());
    EXPECT_EQ(Writes(), Writes_{B(0, 100)});
}

TEST_F(CommandTest, AFullToggleTableRefusesNewKeysButServesKnownOnes) {
    Discover();
    for (std::size_t i = 0; i < g_settings.toggles.size(); ++i) {
        Run(L"t b " + std::to_wstring(i) + L" t b 1");
    }
    HandedOver();
    Run(L"t c 1 t c 2");
    EXPECT_EQ(HandedOver(), L"<none>");
    Run(L"t b 3 t b 1");
    EXPECT_EQ(HandedOver(), L"b 1");
}

TEST_F(CommandTest, SystemCommandsPostToTheMainWindow) {
    Discover();
    struct Case {
        const wchar_t* line;
        std::uint32_t command;
        std::intptr_t lParam;
    } cases[] = {{L"x", 40067, 0}, {L"w", 1367, 0}};
    for (const Case& c : cases) {
        Run(c.line);
        const auto posted = FakeMainWindowTakePostedCommands();
        ASSERT_EQ(posted.size(), 1u) << c.line;
        EXPECT_EQ(posted[0].commandId, c.command) << c.line;
        EXPECT_EQ(posted[0].lParam, c.lParam) << c.line;
    }
    Run(L"q b 10");
    EXPECT_EQ(FakeQuietExitRequests(), 1u);
    EXPECT_TRUE(Writes().empty());
    Run(L"z b 10");
    EXPECT_EQ(FakeRestartRequests(), 1u);
    EXPECT_TRUE(Writes().empty());
}

TEST_F(CommandTest, DimmingAndTransferSwitchesChangeTheSettings) {
    Discover();
    // A slot holds the first 63 characters of a longer id.
    Entry(1).deviceUid = std::wstring(70, L'u');
    g_settings.known[7].mUID = std::wstring(63, L'u');
    Run(L"2 n 1 y 1");
    int dimmed = 0;
    for (const KnownMonitor& known : g_settings.known) dimmed += known.Dim != 0;
    EXPECT_EQ(dimmed, 1);
    EXPECT_NE(g_settings.known[7].Dim, 0);
    EXPECT_TRUE(g_settings.transferbrightness);
    Run(L"y 0");
    EXPECT_FALSE(g_settings.transferbrightness);
}

TEST_F(CommandTest, MonitorLimitsFromTheSettingsMoveValuesAndKeepTheSelection) {
    Discover();
    Run(L"b 90");
    g_settings.limits[0] = {L"PD3220U", 10, 40, 0, 100};
    g_settings.limits[1] = {L" 1", 10, 20, 0, 100};
    g_settings.limits[2] = {L"nosuchmonitor", 10, 20, 0, 100};
    Entry(0).brightnessLimitMax = 70;
    SimClearTransactions();
    FakeMainWindowReset();
    ApplyMonitorLimits();
    EXPECT_EQ(Writes(), Writes_{B(1, 40)});
    EXPECT_EQ(Entry(0).brightnessLimitMax, 100);
    EXPECT_EQ(Entry(1).brightnessLimitMin, 10);
    EXPECT_EQ(Entry(1).brightnessLimitMax, 40);
    EXPECT_EQ(g_monitors.selectedMonitor, 0);
    EXPECT_EQ(InterpreterState().interactiveSelection, 1);
    EXPECT_TRUE(FakeMainWindowTakePostedCommands().empty());
}

}  // namespace
