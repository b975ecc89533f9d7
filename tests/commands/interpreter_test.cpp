#include <gtest/gtest.h>

#include <algorithm>

#include "app/forwarding.h"
#include "commands/monitor_limits.h"
#include "commands/vcp_message_box.h"
#include "tests/commands/command_fixture.h"
#include "testing/fakes/instance_fake.h"
#include "testing/fakes/requests_fake.h"

namespace {

std::string Write(const char* operation, int monitor, int code, int value) {
    return std::string(operation) + " m" + std::to_string(monitor) + " " + std::to_string(code) + "=" + std::to_string(value);
}
std::string B(int monitor, int value) { return Write("SetMonitorBrightness", monitor, 0x10, value); }
std::string C(int monitor, int value) { return Write("SetMonitorContrast", monitor, 0x12, value); }
std::string Blue(int value) { return Write("SetMonitorRedGreenOrBlueGain", 0, 2, value); }
std::string Vcp(int monitor, int code, int value) { return Write("SetVCPFeature", monitor, code, value); }

struct LineCase {
    const wchar_t* before;  // run first, its traffic forgotten
    const wchar_t* line;
    Writes_ writes;
    int selectedAfter = 0;
    int exitCode = 0;  // 0: the line asks for no value
};

const LineCase kLines[] = {
    // values and the range rule
    {L"", L"b 50", {B(0, 50)}},          {L"", L"b 150", {}},               {L"b 95", L"b + 10", {B(0, 100)}},
    {L"b 100", L"b + 10", {}},           {L"b 30", L"b - 200", {B(0, 0)}},  {L"b 0", L"b - 5", {}},
    {L"", L"b c 50", {B(0, 50)}},        {L"", L"b - + 5", {B(0, 80)}},     {L"", L"b", {}},
    {L"", L"b99999999999999999999 c 10", {}},                               {L"", L"c 40 b 20", {C(0, 40), B(0, 20)}},
    // monitor numbers and selectors; a chosen monitor stays the target of later lines
    {L"", L"2 b 50", {B(1, 50)}, 1},     {L"", L"0 b 50", {B(0, 50)}},      {L"2 b 60", L"1 b 50", {B(0, 50)}},
    {L"", L"5 b 50", {}},                {L"", L"c 10 5 b 50", {C(0, 10)}}, {L"pd3220u", L"c 30", {C(1, 30)}, 1},
    {L"", L"rtk b 30 pd3220 c 40", {B(0, 30), C(1, 40)}, 1},                {L"", L"display2 b 10", {B(1, 10)}, 1},
    {L"", L"\"PD 3220U\" b 10", {B(1, 10)}, 1}, {L"", L"xy b 50", {}},        {L"2 b 60", L"\"\" b 50", {}, 1},
    // blue gain spellings: 200 of 255 is 78 of the raw 0..100
    {L"", L"bl 200", {Blue(78)}},        {L"", L"l 200", {Blue(78)}},       {L"", L"i 200", {Blue(78)}},
    {L"", L"blue 200", {}},
    // comments, unknown letters, words that end the line
    {L"", L"b 10 # c 20", {B(0, 10)}},   {L"", L"h b 10", {B(0, 10)}},      {L"", L"q b 10", {}},
    {L"", L"z b 10", {}},
    // generic VCP writes, each followed by a silent read-back; table codes are refused
    {L"", L"setVCP 0x10 50", {Vcp(0, 0x10, 50)}},      {L"", L"setvcp 10 50", {Vcp(0, 0x10, 50)}},
    {L"", L"setvcp 0x10 + 10", {Vcp(0, 0x10, 85)}},    {L"", L"setvcp 0x10 - 100", {Vcp(0, 0x10, 0)}},
    {L"", L"setvcp 0x10 + 100", {Vcp(0, 0x10, 100)}},  {L"", L"setvcp 0x00 5 b 20", {}},
    {L"", L"setvcp 0x100 5 b 20", {}},   {L"", L"setvcp 0x10", {}},         {L"", L"2 setvcp 0x99 + 5 b 20", {}, 1},
    {L"", L"setvcp 0x73 5 b 20", {}},    {L"", L"getvcp 0x73 b 20", {}},
    // named values
    {L"", L"p user", {Vcp(0, 0x14, 11)}}, {L"", L"p 6500k", {Vcp(0, 0x14, 5)}}, {L"", L"2 s hdmi", {Vcp(1, 0x60, 17)}, 1},
    {L"", L"s 15", {Vcp(0, 0x60, 15)}},  {L"", L"s nosuchinput b 20", {B(0, 20)}}, {L"", L"p", {}},
    // limits: 75 is above 60, contrast 50 below 55
    {L"", L"a 10 60 55 100", {B(0, 60), C(0, 55)}},    {L"", L"a 10 60 55", {}}, {L"", L"a 0 100 0 100 b 20", {}},
    // x toggles the power of a monitor named in its line, else it turns all off
    {L"", L"1 x", {Vcp(0, 0xD6, 4)}},    {L"2 b 10", L"x", {}, 1},
    // values asked for as exit code; a get_VCP neither outlives its line nor keeps an earlier result
    {L"", L"d", {}, 0, 75},              {L"", L"e", {}, 0, 50},            {L"", L"2 d", {}, 1, 60},
    {L"", L"get_VCP 0x12", {}, 0, 50},   {L"", L"1 get_vcp 10", {}, 0, 75}, {L"", L"getVCP 0x12", {}, 0, 0},
    {L"get_vcp 0x12", L"d", {}, 0, 75},  {L"2 get_vcp 0x10", L"get_vcp 0x62", {}, 1, -1},
};

TEST_F(CommandTest, LinesWriteExactlyTheseValuesAndExitWithTheValueAskedFor) {
    for (const LineCase& c : kLines) {
        SetUp();
        Discover();
        Run(c.before);
        SimClearTransactions();
        Run(c.line);
        SCOPED_TRACE(std::wstring(c.before) + L" | " + c.line);
        EXPECT_EQ(Writes(), c.writes);
        EXPECT_EQ(g_monitors.selectedMonitor, c.selectedAfter);
        const LineOutcome outcome = TakeLineOutcome(InterpreterState(), g_monitors);
        EXPECT_EQ(outcome.exitCode, c.exitCode);
        EXPECT_EQ(outcome.valueQueried, c.exitCode != 0);
    }
}

TEST_F(CommandTest, PausesWaitOnTheMainThreadBeforeTheNextCommand) {
    Discover();
    const auto ticksOf = [](const wchar_t* line) {
        const std::uint32_t start = ClockTickCount();
        Run(line);
        return SimTransactions().back().tick - start;
    };
    EXPECT_EQ(ticksOf(L"c 10 ; , b 20") - ticksOf(L"c 11 b 21"), 1100u);
    // A leading ";" has become a blank: only the "," pauses.
    EXPECT_EQ(ticksOf(L"; , b 22") - ticksOf(L"b 23"), 1000u);
}

TEST_F(CommandTest, SelectorsShowTheMonitorAndSystemCommandsGoToTheirOwners) {
    Discover();
    for (const wchar_t* line : {L"pd3220u", L"x", L"w", L"q", L"z"}) Run(line);
    EXPECT_EQ(MonitorListSelectedRow(), 1);
    EXPECT_EQ(FakeSliderPosition(kSliderBrightness), 100 - 60);
    std::vector<std::uint32_t> posted;
    for (const PostedCommand& command : FakeMainWindowTakePostedCommands()) posted.push_back(command.commandId);
    EXPECT_EQ(posted, (std::vector<std::uint32_t>{kCommandRefreshPanel, IDM_TURN_OFF_MONITORS, kCommandRotate}));
    EXPECT_EQ(FakeQuietExitRequests(), 1u);
    EXPECT_EQ(FakeRestartRequests(), 1u);
}

TEST_F(CommandTest, VcpReadsShowTheirBoxUnlessAskedAsExitCode) {
    Discover();
    Run(L"getVCP 0x12");
    EXPECT_TRUE(FakeMainWindowTimerActive(kTimerVcpMessage));
    EXPECT_EQ(PreparedVcpMessage().title, L"getVCP 0x12");
    EXPECT_TRUE(
        PreparedVcpMessage().text.ends_with(L"\nContrast\ncurrent value (decimal)  50\nmaximum value (decimal)  100"));
    EXPECT_EQ(PreparedVcpBoxStyle(), VcpBoxStyle::Plain);
    Run(L"get_VCP 0x12");
    EXPECT_EQ(PreparedVcpBoxStyle(), VcpBoxStyle::None);
    Run(L"2 get_VCP 0x62");  // a monitor that does not answer is reported even then
    EXPECT_EQ(PreparedVcpBoxStyle(), VcpBoxStyle::Warning);
    Run(L"1 getvcp 0x73");
    EXPECT_EQ(PreparedVcpMessage().title, L"getVCP 0x73");
    EXPECT_NE(PreparedVcpMessage().text.find(L"LUT Size\ngetVCP 0x73 is a table-VCP-code,"), std::wstring::npos);
    EXPECT_EQ(PreparedVcpBoxStyle(), VcpBoxStyle::Warning);

    // A relative setVCP reads first and reads back, both without a box.
    ClearPreparedVcpMessage();
    SimClearTransactions();
    FakeMainWindowReset();
    Run(L"setvcp 0x10 + 10");
    std::string calls;
    for (const SimTransaction& t : SimTransactions()) calls += t.code == 0x10 ? t.operation.substr(0, 6) + " " : "";
    EXPECT_EQ(calls, "GetVCP SetVCP GetVCP ");
    EXPECT_FALSE(FakeMainWindowTimerActive(kTimerVcpMessage));
    EXPECT_TRUE(FakeMainWindowTimerActive(kTimerRereadValues));
}

// The line a toggle handed to the main window as a line from inside, "<none>" without one.
std::wstring HandedOver() {
    const auto& sent = FakeInstanceSentLines();
    std::wstring line = L"<none>";
    if (sent.size() == 1 && sent[0].origin == kOriginInternal) {
        line.assign(sent[0].block.begin(), std::find(sent[0].block.begin(), sent[0].block.end(), u'\0'));
    }
    FakeInstanceReset();
    return line;
}

TEST_F(CommandTest, TogglesAlternatePerKeyAndHandTheirChoiceToTheMainWindow) {
    Discover();
    const std::pair<const wchar_t*, const wchar_t*> steps[] = {
        {L"t b 0 t b 100", L"b 0"}, {L"t c 5 t c 6", L"c 5"},   {L"t t b 5", L"<none>"},
        {L"t b 0 t b 100", L"b 100"}, {L"t t b 5", L"b 5"},      {L"t b 0 t b 100", L"b 0"},
        {L"t c 5 t c 6", L"c 6"},     {L"t b 0 t b 50 t b 100", L"<none>"},
        {L"b 5t b 0 t b 1", L"<none>"}, {L"t b 7", L"b 7"},
    };
    for (const auto& [line, handed] : steps) {
        Run(line);
        EXPECT_EQ(HandedOver(), handed) << std::string(line, line + std::wcslen(line));
    }
    EXPECT_EQ(Writes(), Writes_{B(0, 5)});

    // A full table refuses new keys but serves known ones.
    for (std::size_t i = 0; i < g_settings.toggles.size(); ++i) Run(L"t b " + std::to_wstring(i) + L" t b 1");
    HandedOver();
    Run(L"t c 1 t c 2");
    EXPECT_EQ(HandedOver(), L"<none>");
    Run(L"t b 3 t b 1");
    EXPECT_EQ(HandedOver(), L"b 1");
}

TEST_F(CommandTest, DimmingAndTransferSwitchesChangeTheSettings) {
    Discover();
    // A slot holds the first 63 characters of a longer id.
    Entry(1).deviceUid = std::wstring(70, L'u');
    g_settings.known[7].mUID = std::wstring(63, L'u');
    Run(L"2 n 1 y 1");
    const auto dimmed = [](const KnownMonitor& known) { return known.Dim != 0; };
    EXPECT_EQ(std::count_if(g_settings.known.begin(), g_settings.known.end(), dimmed), 1);
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
    EXPECT_EQ(g_monitors.selectedMonitor, 0);
    EXPECT_EQ(InterpreterState().interactiveSelection, 1);
    EXPECT_TRUE(FakeMainWindowTakePostedCommands().empty());
}

}  // namespace
