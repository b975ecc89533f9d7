#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "app/pending_line.h"
#include "app/timer_table.h"
#include "hooks/handover.h"
#include "hooks/mouse_hook.h"
#include "monitors/discovery.h"
#include "monitors/monitor_table.h"
#include "platform/main_window.h"
#include "platform/requests.h"
#include "res/resource.h"
#include "settings/settings.h"
#include "testing/fakes/clock_fake.h"
#include "testing/fakes/input_fake.h"
#include "testing/fakes/main_window_fake.h"
#include "testing/fakes/notify_icon_fake.h"
#include "testing/program_state.h"
#include "tray/icon_set.h"

namespace {

constexpr std::int32_t kCtrlAlt = (kHotkeyControl | kHotkeyAlt) << 8, kF5 = 116, kF6 = 117;

struct Outcome {
    std::string verdicts;  // per event: S swallowed, p passed on
    std::wstring lines;    // the lines the main window ran, "|" between
};

// The contrast icon of the first monitor at (100, 1040), the volume icon at (200, 1040);
// "elsewhere" is another window at the contrast icon's point.
std::int32_t PlaceX(char place) { return place == 'v' ? 208 : 108; }

// The main window's side: takes a handed-over line and fires the release timer when due.
void MainWindowTurn(Outcome& run, std::uint32_t& armedAt) {
    for (const PostedCommand& posted : FakeMainWindowTakePostedCommands()) {
        if (posted.commandId != kCommandHookLine) continue;
        RunHookCommand(static_cast<std::uint32_t>(posted.lParam));
        armedAt = ClockTickCount();
        run.lines += (run.lines.empty() ? L"" : L"|") + std::wstring(PendingLine());
    }
    const auto& timers = FakeMainWindowActiveTimers();
    const auto release = timers.find(kTimerHookRelease);
    if (release != timers.end() && ClockTickCount() - armedAt >= release->second) {
        MainWindowKillTimer(kTimerHookRelease);
        FindMainWindowTimer(kTimerHookRelease)->work();
    }
}

// Events, blank-separated: >N time passes, dN/uN key down/up, hN,N keys held (h alone: none),
// w+X/w-X wheel forwards/backwards and mX middle button at X (c contrast icon, v volume icon,
// _ elsewhere), P/p the hotkey page shown/hidden, t the 200 ms timer.
Outcome Play(const HookConfig& config, const std::string& events) {
    Outcome run;
    std::uint32_t armedAt = 0;
    bool page = false;
    std::istringstream tokens(events);
    for (std::string token; tokens >> token;) {
        const char what = token[0];
        if (what == '>') {
            for (int ms = std::stoi(token.substr(1)); ms > 0; --ms) {
                FakeClockAdvance(1);
                MainWindowTurn(run, armedAt);
            }
            continue;
        }
        if (what == 'h') {
            const int first = token.size() > 1 ? std::stoi(token.substr(1)) : 0;
            const std::size_t comma = token.find(',');
            if (first == 0) FakeInputSetKeysDown({});
            else if (comma == std::string::npos) FakeInputSetKeysDown({first});
            else FakeInputSetKeysDown({first, std::stoi(token.substr(comma + 1))});
            continue;
        }
        if (what == 'P' || what == 'p') SetHotkeyPageVisible(page = what == 'P');
        if (what == 't') FindMainWindowTimer(kTimerInputRepeat)->work();
        if (what == 'P' || what == 'p' || what == 't') continue;
        HookVerdict verdict;
        if (what == 'd' || what == 'u') {
            verdict = OnKeyEvent(config, {std::stoi(token.substr(1)), what == 'd'}, ClockTickCount());
        } else {
            const char place = token.back();
            FakeInputSetNotificationArea(place != '_');
            const auto kind = what == 'w' ? MouseEventKind::Wheel : MouseEventKind::MiddleDown;
            const std::int16_t delta = token[1] == '+' ? 120 : -120;
            verdict = OnMouseEvent(config, {kind, PlaceX(place), 1048, delta}, ClockTickCount());
        }
        EXPECT_TRUE(page || LastInputTick() == ClockTickCount()) << token << ": activity tick";
        if (!verdict.line.empty()) SubmitHookCommand(verdict.line);
        run.verdicts += verdict.swallow ? 'S' : 'p';
        MainWindowTurn(run, armedAt);
    }
    return run;
}

void StartWithIcons() {
    ResetProgramState();
    MainWindowAttach(1);
    for (int i = 0; i < kMonitorCount; ++i) g_monitors.entries[i].deviceUid = L"UID" + std::to_wstring(i);
    DiscoverMonitors(false);
    UpdateIcons();
    FakeNotifyIconSetRect(IconSlotOf(0, IconKind::Contrast).guid, {100, 1040, 116, 1056});
    FakeNotifyIconSetRect(IconSlotOf(0, IconKind::Volume).guid, {200, 1040, 216, 1056});
    g_settings.hotkey[0] = kCtrlAlt | kF5;
    g_settings.editbuffer[0] = L"b - 10";
    g_settings.hotkey[3] = kHotkeyControl << 8 | kF6;
    g_settings.editbuffer[3] = L"v + 2";
    g_settings.hotkey[4] = kHotkeyControl << 8 | kF6;
    g_settings.editbuffer[4] = L"c 0";
    g_settings.wheel[1] = {L"shift", L"forwards", L"b + 10"};
    g_settings.wheel[2] = {L"umschalt", L"rück.", L"b - 5"};
    g_settings.wheel[5] = {L"alt+ctrl", L"forwards", L""};
    g_settings.wheel_C = 10;
    g_settings.mbutton[6] = 20;
    g_settings.mbutton[7] = 80;
    g_settings.repeatmouse = 50;
}

TEST(HookDecisions, EventSequencesRunTheirLinesAndSwallowWhatTheyUse) {
    struct Case {
        const char* name;
        std::int32_t repeatKeyboard;
        std::string events;
        std::string verdicts;
        std::wstring lines;
    };
    const Case cases[] = {
        {"left Ctrl+Alt+F5: main key down and up swallowed, modifiers passed", 10,
         "d162 d164 d116 >20 u116 u164 u162", "ppSSpp", L"b - 10"},
        {"right Ctrl and Alt alike", 10, "d163 d165 d116 u116 u165 u163", "ppSSpp", L"b - 10"},
        {"Shift added: nothing matches", 10, "d160 d162 d164 d116 u116", "ppppp", L""},
        {"auto-repeat within repeatkeyboard is swallowed, not queued", 500,
         "d162 d164 d116 >200 d116 >200 d116 >200 d116 >200 d116", "ppSSSSS", L"b - 10|b - 10"},
        {"a modifier released unseen is cleared by the 200 ms timer", 10, "d162 d164 h t d116", "ppp", L""},
        {"the timer keeps a modifier still held", 10, "d162 d164 h162,164 t d116", "ppS", L"b - 10"},
        {"two hotkeys on one combination: the lower-numbered runs", 10, "d162 d117 u117 u162", "pSSp", L"v + 2"},
        {"a volume step handed over again within 100 ms is dropped", 10, "d162 d117 >60 d117 >100 d117", "pSSS",
         L"v + 2|v + 2"},
        {"other lines are held back for 10 ms only", 10, "d162 d164 d116 >20 d116", "ppSS", L"b - 10|b - 10"},
        {"the hotkey page shown: keys reach the dialog", 10, "P d162 d164 d116 p d162 d164 d116", "pppppS",
         L"b - 10"},
        {"wheel over the contrast icon", 10, "w+c >100 w-c", "SS", L"1 c + 10|1 c - 10"},
        {"a second notch within repeatmouse is passed on", 10, "w+c >20 w+c >40 w+c", "SpS",
         L"1 c + 10|1 c + 10"},
        {"Shift+wheel anywhere runs its record", 10, "h16 w+_", "S", L"b + 10"},
        {"German name and short backwards word", 10, "h16 w-_", "S", L"b - 5"},
        {"Shift+Ctrl held: the shift record does not apply", 10, "h16,17 w+_", "p", L""},
        {"Ctrl alone is passed on, zooming stays possible", 10, "h17 w+_", "p", L""},
        {"a record without a line is not used", 10, "h18,17 w+_", "p", L""},
        {"Shift+wheel over an icon: the combination wins", 10, "h16 w+c", "S", L"b + 10"},
        {"no combination record backwards, over an icon", 10, "h16,18 w-c", "S", L"1 c - 10"},
        {"middle button on the volume icon", 10, "mv", "S", L"t v 20 t v 80"},
        {"middle button elsewhere", 10, "m_", "p", L""},
    };
    for (const Case& c : cases) {
        StartWithIcons();
        g_settings.repeatkeyboard = c.repeatKeyboard;
        const Outcome run = Play(LoadHookConfig(g_settings), c.events);
        EXPECT_EQ(run.verdicts, c.verdicts) << c.name;
        EXPECT_EQ(run.lines, c.lines) << c.name;
    }
}

TEST(HookDecisions, ReleaseDelayFollowsRelativeVolumeSteps) {
    const std::pair<const wchar_t*, std::uint32_t> cases[] = {
        {L"b + 10", 10}, {L"V+2", 150}, {L"1 b 5 v     - 3", 150}, {L"v      + 3", 10}, {L"v 20", 10}};
    for (const auto& [line, delay] : cases) EXPECT_EQ(HookReleaseDelay(line, false), delay) << line;
    EXPECT_EQ(HookReleaseDelay(L"v + 2", true), 100u);
}

}  // namespace
