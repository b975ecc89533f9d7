// Work of the main window's timers that start with the program: the 500 ms and 10 s ticks and
// the duplicate-mode notice.
#pragma once

// Start-up tells whether its first pass found any monitor.
void NoteMonitorsFoundAtStart(bool found);

void SelectMonitorUnderPointer();
void HalfSecondWork();
void TenSecondWork();
void DuplicateModeNotice();

void PeriodicWorkReset();
