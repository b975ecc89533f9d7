// Whether one of the program's icons sits in the hidden overflow part of the notification
// area, and the warning about it (templates 106 / 107). Checked once per new version, or on
// every start while the warning is not switched off.
#pragma once
#include <cstdint>
#include <string_view>

// Milliseconds until the next check after this many runs that found no hidden icon; 0: no more.
std::uint32_t HiddenIconCheckPeriod(int runsWithoutMatch);
// An overflow button's text that equals the tooltip of one of the program's icons.
bool IsOwnIconText(std::wstring_view text);
// The main window's hidden-icon timer.
void HiddenIconCheckTick();
// One second after the warning opened: it closes when no hidden icon is known any more.
void HiddenIconWarningCloseTick();
// The warning; closing it saves the settings with its box as nocheckhidden.
void ShowHiddenIconsWarning();
// Back to the state at start, for tests.
void HiddenIconCheckReset();
