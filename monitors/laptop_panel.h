// The built-in panel of a laptop, whose backlight goes through WMI instead of DDC/CI: its
// level table, the conversion between levels and percent, its read and write, and the
// brightness changes the system makes by itself (function keys, its own slider).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Start-up: the level table from the first WmiMonitorBrightness instance that reports levels,
// and the subscription to the panel's brightness events. Returns the levels (empty without a
// panel); the control panel and the log show them.
std::vector<std::uint8_t> AttachLaptopPanel();
void DetachLaptopPanel();
// The panel's WMI instance in identification form; "LCDInstanceName" while none is known.
const std::wstring& PanelInstanceName();
// "LCD has\n<count>\nbrightness\nlevels".
std::wstring PanelLevelsText(std::size_t count);

// Percent shown for a level the panel reports.
std::int32_t PanelLevelToPercent(std::uint8_t level);

// Reads the panel's brightness into the entry at index and sets the table's laptopFound
// on success.
bool ReadPanelBrightness(std::int32_t index);
// Writes the level for percent to the panel and shows it on the selected entry.
bool SetPanelBrightness(std::uint32_t percent);

// A brightness event reached the main window (the system changed the backlight).
void OnPanelBrightnessEvent(std::uint8_t level);
// 200 ms after an event: other monitors follow with samevalues, and after a change of the power
// source the panel returns to the level it had (samebrightness). powerSourceChanges: the
// main window's count of power-source notifications.
void AfterPanelEvent(std::uint8_t powerSourceChanges);
// The count the first power-source notifications after start leave behind: they are no change.
void PanelNotePowerSourceChanges(std::uint8_t powerSourceChanges);

void LaptopPanelReset();
