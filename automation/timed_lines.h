// The eight daily command lines: each day the line of the latest time that has passed runs
// once, and after a night without the program the previous day's last line catches up. The
// program restarts at midnight, so this state lives for one day.
#pragma once
#include <array>
#include <cstdint>

#include "platform/clock.h"
#include "settings/settings.h"

struct TimedDay {
    std::int64_t startDay = 0;  // days since 1970-01-01; every entry's time lies on this day
    std::array<bool, 8> reached{};
    std::array<bool, 8> done{};
    bool catchUpPending = true;
};

std::int64_t DayNumber(const LocalTime& time);

// Which entry runs at now (-1: none); notes in day what it reached and ran. exitDay is the day
// of the month of the last orderly exit.
int TimedEntryDue(const std::array<TimedEntry, 8>& entries, std::uint16_t exitDay, const LocalTime& now, TimedDay& day);

// Start-up, after the settings are loaded: the entries' times are taken on this day.
void TimedLinesStart(const LocalTime& now);
// The 10-second check; waits while a full-screen trigger is active.
void RunTimedCommandLines();
void TimedLinesReset();
