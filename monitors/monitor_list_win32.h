// The Windows side of the monitor list: list view 1001 of the main window.
#pragma once
#include <windows.h>
#include <commctrl.h>

// Check boxes, full-row selection, the "Explorer" look and the six columns.
void MonitorListViewSetUp(HWND list);
// For the main window's LVN_ITEMCHANGED: returns true when the user changed a row's check
// box (the row then holds the new state) and false for anything else, including the changes
// the program makes itself while it mirrors the rows.
bool MonitorListViewOnItemChanged(const NMLISTVIEW& change);
