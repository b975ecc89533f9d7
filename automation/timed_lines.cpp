#include "automation/timed_lines.h"

#include <string>

#include "automation/program_triggers.h"
#include "log/event_log.h"
#include "platform/instance.h"
#include "platform/requests.h"

namespace {

constexpr std::size_t kLookedAtChars = 260;

TimedDay g_day;

// A line of blanks would run nothing, so its entry never counts as reached.
bool LinePresent(const TimedEntry& entry) {
    return entry.commandLine.substr(0, kLookedAtChars).find_first_not_of(L' ') != std::wstring::npos;
}

std::int64_t Stamp(const TimedEntry& entry, std::int64_t day) { return day * 1440 + entry.hour * 60 + entry.minute; }

// Equal times: the higher-numbered entry wins.
int Latest(const std::array<TimedEntry, 8>& entries, const std::array<bool, 8>& among, std::int64_t day) {
    int latest = -1;
    for (int i = 0; i < 8; ++i) {
        if (among[i] && (latest < 0 || Stamp(entries[i], day) >= Stamp(entries[latest], day))) latest = i;
    }
    return latest;
}

}  // namespace

std::int64_t DayNumber(const LocalTime& time) {
    // Days from civil (proleptic Gregorian).
    const std::int64_t y = time.year - (time.month <= 2 ? 1 : 0);
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yearOfEra = y - era * 400;
    const std::int64_t dayOfYear = (153 * (time.month + (time.month > 2 ? -3 : 9)) + 2) / 5 + time.day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

int TimedEntryDue(const std::array<TimedEntry, 8>& entries, std::uint16_t exitDay, const LocalTime& now, TimedDay& day) {
    bool any = false;
    for (const TimedEntry& entry : entries) any = any || (entry.enabled && !entry.commandLine.empty());
    if (!any) return -1;

    const std::int64_t nowStamp = DayNumber(now) * 1440 + now.hour * 60 + now.minute;
    for (int i = 0; i < 8; ++i) {
        const TimedEntry& entry = entries[i];
        if (entry.enabled && !day.reached[i] && LinePresent(entry) && nowStamp >= Stamp(entry, day.startDay)) {
            day.reached[i] = true;
        }
    }
    const int chosen = Latest(entries, day.reached, day.startDay);
    if (chosen >= 0) {
        if (day.done[chosen]) return -1;
        day.done[chosen] = true;
        return chosen;
    }
    if (now.day == exitDay || !day.catchUpPending) return -1;
    day.catchUpPending = false;
    std::array<bool, 8> all;
    all.fill(true);
    const int last = Latest(entries, all, day.startDay);
    return entries[last].enabled && LinePresent(entries[last]) ? last : -1;
}

void TimedLinesStart(const LocalTime& now) {
    g_day = TimedDay{};
    g_day.startDay = DayNumber(now);
}

void RunTimedCommandLines() {
    if (IsAnyTriggerActive()) return;
    const int due = TimedEntryDue(g_settings.timed, g_settings.exitday, ClockLocalTime(), g_day);
    if (due < 0) return;
    const std::wstring& line = g_settings.timed[static_cast<std::size_t>(due)].commandLine;
    LogEvent(static_cast<std::uint32_t>(-1), -1, L"timed command line", kLogNoOutcome, line.c_str());
    SubmitCommandLine(line, kOriginInternal);
}

void TimedLinesReset() { g_day = TimedDay{}; }
