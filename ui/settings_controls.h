// Which control of the settings dialog edits which field of the settings record, and how a
// field's value is shown and read back.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "settings/settings.h"

enum class SettingsControlKind {
    Check,        // flag: a check box or radio button
    CheckNumber,  // 0/1 number shown as a check box
    Choice,       // number: the radio button that stands for value
    Number,       // number edit field, held to min..max
    Offset,       // number edit field, a whole number outside min..max becomes 0
    Multiplier,   // decimal field, comma as point; not above 0 or above 20 becomes 1.0
    Text,         // text field, cut at maxLength
    CommandLine,  // command line: refused, not cut, beyond kSettingsLineMax
    Combo,        // drop-down list; the shown text is stored
    Hotkey,       // hotkey control's value, stored unchanged
    Time,         // time picker and a timed entry's hour and minute
};

// Longest command line the interpreter takes.
inline constexpr std::size_t kSettingsLineMax = 259;

enum class SettingsList { None, WheelKeys, WheelDirection };

struct SettingsControl {
    int id;
    SettingsControlKind kind;
    bool* flag = nullptr;
    std::int32_t* number = nullptr;
    std::int32_t min = 0, max = 0, value = 0;
    std::wstring* text = nullptr;
    std::size_t maxLength = 0;
    float* multiplier = nullptr;
    TimedEntry* time = nullptr;
    SettingsList list = SettingsList::None;
};

// Every control that edits settings, bound to the fields of settings (the per-monitor icon
// boxes to the records of the monitors in the list).
std::vector<SettingsControl> SettingsControls(Settings& settings);

// The page (0..5) a control or label shows on; -1 for those on every page.
int SettingsPageOf(int controlId);

// False for the icon boxes and name buttons of monitor rows that no monitor fills.
bool SettingsControlInUse(int controlId);

// The texts of a drop-down list in the UI language.
std::vector<std::wstring> SettingsListItems(SettingsList list);

// Record -> controls.
void SettingsShow(const SettingsControl& control);
// Controls -> record; false when a command line is longer than kSettingsLineMax, which then
// keeps its old value.
bool SettingsStore(const SettingsControl& control);
