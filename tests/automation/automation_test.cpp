// The decisions of the timed lines, the full-screen triggers and the dimming, as tables.
#include <gtest/gtest.h>

#include "automation/dimming.h"
#include "automation/program_triggers.h"
#include "automation/timed_lines.h"

namespace {

// The day of the month is 1; an exit day of 31 makes the start a new day. Checks: hour, minute, entry due.
TEST(TimedLines, LatestPassedEntryRunsOnceAndANewDayCatchesUp) {
    const TimedEntry morning{8, 0, L"b 80", true}, evening{20, 0, L"b 30", true};
    const struct {
        const char* what;
        std::array<TimedEntry, 8> entries;
        std::uint16_t exitDay;
        std::vector<std::array<int, 3>> checks;
    } cases[] = {
        {"same day", {{morning, evening}}, 1, {{9, 0, 0}, {9, 1, -1}, {20, 0, 1}, {20, 1, -1}}},
        {"new day", {{morning, evening}}, 31, {{6, 0, 1}, {6, 1, -1}, {8, 0, 0}, {20, 0, 1}}},
        {"latest disabled", {{morning, {20, 0, L"b 30", false}}}, 31, {{6, 0, -1}, {8, 0, 0}, {20, 0, -1}}},
        {"same times", {{{}, {}, morning, {}, {}, morning}}, 1, {{9, 0, 5}, {9, 1, -1}}},
        {"blank line", {{morning, {20, 0, L"   ", true}}}, 31, {{6, 0, -1}, {21, 0, 0}}},
    };
    for (const auto& c : cases) {
        TimedDay day;
        day.startDay = DayNumber({2026, 1, 0, 1});
        for (const auto& [hour, minute, due] : c.checks) {
            const LocalTime now{2026, 1, 0, 1, static_cast<std::uint16_t>(hour), static_cast<std::uint16_t>(minute)};
            EXPECT_EQ(TimedEntryDue(c.entries, c.exitDay, now, day), due) << c.what << " at " << hour << ":" << minute;
        }
    }
}

ForegroundInfo Front(const wchar_t* executable, bool fullScreen, const wchar_t* hosted = L"") {
    return {1, true, executable, hosted, {0, 0, 1920, fullScreen ? 1080 : 900}, {0, 0, 1920, 1080}, L"\\\\.\\DISPLAY1"};
}

TEST(ProgramTriggers, StartAndEndFollowTheProgramInFront) {
    std::array<FullScreenEntry, kTriggerCount> entries{};
    entries[0].app = L"C:\\Games\\game.exe";
    entries[1].app = L"C:\\Video\\player.exe";
    entries[2].app = L"C:\\Program Files\\WindowsApps\\Store.exe";
    entries[4].app = L"C:\\after-the-end.exe";
    const struct {
        const char* what;
        ForegroundInfo front;
        bool onlyFullScreen, duplicateMode, gameActive;
        std::vector<std::size_t> end;
        int start;
    } cases[] = {
        {"windowed", Front(L"D:\\x\\GAME.EXE", false), true, false, false, {}, -1},
        {"full screen", Front(L"D:\\x\\GAME.EXE", true), true, false, false, {}, 0},
        {"back to a window", Front(L"D:\\x\\game.exe", false), true, false, true, {0}, -1},
        {"windowed, any size", Front(L"D:\\x\\game.exe", false), false, false, false, {}, 0},
        {"the other program", Front(L"C:\\Video\\player.exe", true), true, false, true, {0}, 1},
        {"store app", Front(L"C:\\Windows\\System32\\ApplicationFrameHost.exe", true, L"C:\\Apps\\store.exe"), true, false, false, {}, 2},
        {"duplicate mode", Front(L"D:\\x\\game.exe", true), true, true, false, {}, -1},
        {"no window in front", ForegroundInfo{}, true, false, true, {0}, -1},
        {"after the list's end", Front(L"C:\\after-the-end.exe", true), true, false, false, {}, -1},
    };
    for (const auto& c : cases) {
        const TriggerDecision decision = DecideTriggers(entries, {c.gameActive}, c.front, c.onlyFullScreen, c.duplicateMode);
        EXPECT_EQ(decision.end, c.end) << c.what;
        EXPECT_EQ(decision.start, c.start) << c.what;
    }
}

// Dim 1 after 5 minutes to 20. Steps: brightness, idle ms, brightness written (-1 none).
TEST(Dimming, DimsAfterThePeriodAndComesBackAtInput) {
    constexpr std::int64_t kPeriod = 300000;
    const struct {
        const char* what;
        std::int32_t dim, period;
        std::vector<std::array<std::int64_t, 3>> steps;
    } cases[] = {
        {"dims and returns", 1, 5, {{70, kPeriod, -1}, {70, kPeriod + 1, 20}, {20, kPeriod * 9, -1}, {20, 0, 70}}},
        {"switched off", 0, 5, {{70, kPeriod * 9, -1}}},
        {"no period", 1, 0, {{70, kPeriod * 9, -1}}},
        {"already at the level", 1, 5, {{20, kPeriod + 1, -1}, {20, 0, -1}}},
    };
    for (const auto& c : cases) {
        KnownMonitor known;
        known.Dim = c.dim;
        known.DimPeriod = c.period;
        known.DimBrightness = 20;
        for (const auto& [brightness, idle, write] : c.steps) {
            EXPECT_EQ(DimStep(known, static_cast<std::int32_t>(brightness), static_cast<std::uint32_t>(idle)), write) << c.what;
        }
    }
}

}  // namespace
