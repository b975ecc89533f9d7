// Work of the main window's timers that start with the program: the 500 ms and 10 s ticks,
// the duplicate-mode notice and the automatic update check.
#pragma once
#include <cstdint>

struct Settings;

// Start-up tells whether its first pass found any monitor.
void NoteMonitorsFoundAtStart(bool found);

void SelectMonitorUnderPointer();
void HalfSecondWork();
void TenSecondWork();
void DuplicateModeNotice();
void AutomaticUpdateCheck();

// daily, or weekly with at least 7 days since lastcheck (days of the month, a month as 31).
bool UpdateCheckDue(const Settings& settings, std::int32_t today);

void PeriodicWorkReset();
