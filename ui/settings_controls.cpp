#include "ui/settings_controls.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cwchar>

#include "monitors/known_monitors.h"
#include "monitors/monitor_list.h"
#include "monitors/monitor_table.h"
#include "platform/dialog_controls.h"
#include "res/resource.h"
#include "settings/ui_language.h"

namespace {

constexpr DialogWindow kWindow = DialogWindow::Settings;
constexpr std::size_t kNameMax = 64;
constexpr std::size_t kListTextMax = 32;
constexpr std::int32_t kIconsPerMonitor = 5;

constexpr int kPageFirstIds[] = {IDC_SET_PAGE0, IDC_SET_PAGE1, IDC_SET_PAGE2,
                                 IDC_SET_PAGE3, IDC_SET_PAGE4, IDC_SET_PAGE5, IDC_SET_PAGES_END};

SettingsControl Flag(int id, bool& flag) { return {.id = id, .kind = SettingsControlKind::Check, .flag = &flag}; }

SettingsControl Number(int id, std::int32_t& number, std::int32_t min, std::int32_t max) {
    return {.id = id, .kind = SettingsControlKind::Number, .number = &number, .min = min, .max = max};
}

SettingsControl Choice(int id, std::int32_t& number, std::int32_t value) {
    return {.id = id, .kind = SettingsControlKind::Choice, .number = &number, .value = value};
}

SettingsControl Text(int id, std::wstring& text, std::size_t maxLength) {
    return {.id = id, .kind = SettingsControlKind::Text, .text = &text, .maxLength = maxLength};
}

SettingsControl Line(int id, std::wstring& text) {
    return {.id = id, .kind = SettingsControlKind::CommandLine, .text = &text, .maxLength = kSettingsLineMax};
}

void AddGeneralPage(Settings& s, std::vector<SettingsControl>& controls) {
    const std::pair<int, bool*> flags[] = {
        {IDC_SET_VOLUME_ICON, &s.showvolumeicon}, {IDC_SET_AUTOSTART, &s.autostart},
        {IDC_SET_SAMEVALUES, &s.samevalues},      {IDC_SET_SAMEBRIGHTNESS, &s.samebrightness},
        {IDC_SET_NOTIFICATIONS, &s.notifications}, {IDC_SET_AUTOSELECT, &s.autoselect},
        {IDC_SET_TOOLTIPS, &s.tooltips},          {IDC_SET_CDBACKUP, &s.cdbackup},
        {IDC_SET_ADDITIONAL, &s.additional},      {IDC_SET_REREAD, &s.rereadvalues},
        {IDC_SET_SAVE_VALUES, &s.savenonvolatile}, {IDC_SET_VERIFY, &s.verify},
        {IDC_SET_RESTORE, &s.restorevalues},      {IDC_SET_LOGFILE, &s.logfileflag},
        {IDC_SET_DAILY, &s.daily},                {IDC_SET_WEEKLY, &s.weekly},
        {IDC_SET_NEVER, &s.never},                {IDC_SET_AUTOCLOSE, &s.autocloseflag}};
    for (const auto& [id, flag] : flags) controls.push_back(Flag(id, *flag));
    controls.push_back(Choice(IDC_SET_CLEARTYPE, s.aliasing, 2));
    controls.push_back(Choice(IDC_SET_ANTIALIASING, s.aliasing, 1));
    controls.push_back(Choice(IDC_SET_NO_ANTIALIASING, s.aliasing, 0));
    for (std::int32_t row = 0; row < std::min(MonitorListRowCount(), kMonitorCount); ++row) {
        const KnownMonitor* found = KnownMonitorOf(g_monitors.entries[static_cast<std::size_t>(row)]);
        if (found == nullptr) continue;
        // The same slot of the record asked for, which need not be the program's own.
        KnownMonitor* known = &s.known[static_cast<std::size_t>(found - g_settings.known.data())];
        std::int32_t* icons[] = {&known->showbrightnessicon, &known->showcontrasticon, &known->showcombinedicon,
                                 &known->showspeakericon, &known->showvibranceicon};
        for (std::int32_t icon = 0; icon < kIconsPerMonitor; ++icon) {
            controls.push_back({.id = IDC_SET_ICON_FIRST + row * kIconsPerMonitor + icon,
                                .kind = SettingsControlKind::CheckNumber,
                                .number = icons[icon]});
        }
    }
}

void AddMousePage(Settings& s, std::vector<SettingsControl>& controls) {
    controls.push_back(Flag(IDC_SET_USEMOUSEHOOK, s.usemousehook));
    controls.push_back(Number(IDC_SET_REPEATMOUSE, s.repeatmouse, 10, 1000));
    for (int row = 0; row < static_cast<int>(s.wheel.size()); ++row) {
        WheelEntry& entry = s.wheel[static_cast<std::size_t>(row)];
        controls.push_back({.id = IDC_SET_WHEEL_KEYS_FIRST + row, .kind = SettingsControlKind::Combo,
                            .text = &entry.keys, .maxLength = kListTextMax, .list = SettingsList::WheelKeys});
        controls.push_back({.id = IDC_SET_WHEEL_DIRECTION_FIRST + row, .kind = SettingsControlKind::Combo,
                            .text = &entry.direction, .maxLength = kListTextMax,
                            .list = SettingsList::WheelDirection});
        controls.push_back(Line(IDC_SET_WHEEL_LINE_FIRST + row, entry.commandLine));
    }
    for (int i = 0; i < static_cast<int>(s.mbutton.size()); ++i) {
        controls.push_back(Number(IDC_SET_MBUTTON_FIRST + i, s.mbutton[static_cast<std::size_t>(i)], 0, 100));
    }
    std::int32_t* amounts[] = {&s.wheel_B, &s.wheel_C, &s.wheel_S, &s.wheel_V};
    for (int i = 0; i < 4; ++i) controls.push_back(Number(IDC_SET_WHEEL_AMOUNT_FIRST + i, *amounts[i], 0, 100));
}

void AddHotkeyAndMenuPages(Settings& s, std::vector<SettingsControl>& controls) {
    for (int row = 0; row < static_cast<int>(s.hotkey.size()); ++row) {
        const auto at = static_cast<std::size_t>(row);
        controls.push_back({.id = IDC_SET_HOTKEY_FIRST + row, .kind = SettingsControlKind::Hotkey,
                            .number = &s.hotkey[at]});
        controls.push_back(Line(IDC_SET_HOTKEY_LINE_FIRST + row, s.editbuffer[at]));
        controls.push_back(Text(IDC_SET_MENU_CAPTION_FIRST + row, s.m_editbuffer[at + 15], kSettingsLineMax));
        controls.push_back(Line(IDC_SET_MENU_LINE_FIRST + row, s.m_editbuffer[at]));
        controls.push_back(Flag(IDC_SET_MENU_HIDE_FIRST + row, s.hide[at]));
    }
    controls.push_back(Flag(IDC_SET_USEKEYBOARDHOOK, s.usekeyboardhook));
    controls.push_back(Number(IDC_SET_REPEATKEYBOARD, s.repeatkeyboard, 10, 1000));
}

void AddTimerPage(Settings& s, std::vector<SettingsControl>& controls) {
    for (int row = 0; row < static_cast<int>(s.timed.size()); ++row) {
        TimedEntry& entry = s.timed[static_cast<std::size_t>(row)];
        controls.push_back(Flag(IDC_SET_TIMER_ON_FIRST + row, entry.enabled));
        controls.push_back({.id = IDC_SET_TIMER_TIME_FIRST + row, .kind = SettingsControlKind::Time, .time = &entry});
        controls.push_back(Line(IDC_SET_TIMER_LINE_FIRST + row, entry.commandLine));
    }
    controls.push_back(Flag(IDC_SET_TRANSFER, s.transferbrightness));
    controls.push_back(Text(IDC_SET_SOURCE, s.source_brightness, kNameMax));
    controls.push_back(Text(IDC_SET_DESTINATION, s.destination_brightness, kNameMax));
    controls.push_back({.id = IDC_SET_OFFSET, .kind = SettingsControlKind::Offset, .number = &s.offset_brightness,
                        .min = -100, .max = 100});
    for (int i = 0; i < static_cast<int>(s.div.size()); ++i) {
        controls.push_back({.id = IDC_SET_DIV_FIRST + i, .kind = SettingsControlKind::Multiplier,
                            .multiplier = &s.div[static_cast<std::size_t>(i)]});
    }
    controls.push_back(Flag(IDC_SET_CHECKAMBIENT, s.checkambient));
    for (int row = 0; row < static_cast<int>(s.limits.size()); ++row) {
        LimitRow& limit = s.limits[static_cast<std::size_t>(row)];
        controls.push_back(Text(IDC_SET_LIMIT_MONITOR_FIRST + row, limit.monitor, kNameMax));
        std::int32_t* values[] = {&limit.brightnessMin, &limit.brightnessMax, &limit.contrastMin, &limit.contrastMax};
        for (int kind = 0; kind < 4; ++kind) {
            controls.push_back(Number(IDC_SET_LIMIT_FIRST + 10 * kind + row, *values[kind], 0, 100));
        }
    }
    controls.push_back(Flag(IDC_SET_ONLYFULLSCREEN, s.onlyfullscreen));
}

// The whole text must be a number: "12a" is no number and keeps nothing of it.
bool ParseWhole(const std::wstring& text, long& value) {
    wchar_t* end = nullptr;
    value = std::wcstol(text.c_str(), &end, 10);
    return !text.empty() && end != text.c_str() && *end == L'\0';
}

std::wstring MultiplierText(float value) {
    wchar_t text[32];
    std::swprintf(text, 32, L"%g", static_cast<double>(value));
    return text;
}

float ParseMultiplier(std::wstring text) {
    std::replace(text.begin(), text.end(), L',', L'.');
    wchar_t* end = nullptr;
    const double value = std::wcstod(text.c_str(), &end);
    const bool valid = end != text.c_str() && *end == L'\0' && std::isfinite(value) && value > 0 && value <= 20;
    return valid ? static_cast<float>(value) : 1.0f;
}

}  // namespace

std::vector<SettingsControl> SettingsControls(Settings& settings) {
    std::vector<SettingsControl> controls;
    AddGeneralPage(settings, controls);
    AddMousePage(settings, controls);
    AddHotkeyAndMenuPages(settings, controls);
    AddTimerPage(settings, controls);
    return controls;
}

int SettingsPageOf(int controlId) {
    if (controlId >= IDC_SET_LABEL_FIRST && controlId < IDC_SET_LABEL_FIRST + 6) return controlId - IDC_SET_LABEL_FIRST;
    for (int page = 0; page < 6; ++page) {
        if (controlId >= kPageFirstIds[page] && controlId < kPageFirstIds[page + 1]) return page;
    }
    return -1;
}

bool SettingsControlInUse(int controlId) {
    std::int32_t row = -1;
    if (controlId >= IDC_SET_ICON_FIRST && controlId < IDC_SET_ICON_FIRST + kMonitorCount * kIconsPerMonitor) {
        row = (controlId - IDC_SET_ICON_FIRST) / kIconsPerMonitor;
    } else if (controlId >= IDC_SET_MONITOR_FIRST && controlId < IDC_SET_MONITOR_FIRST + kMonitorCount) {
        row = controlId - IDC_SET_MONITOR_FIRST;
    }
    return row < MonitorListRowCount();
}

std::vector<std::wstring> SettingsListItems(SettingsList list) {
    const bool german = UiIsGerman();
    if (list == SettingsList::WheelDirection) {
        if (german) return {L"nichts", L"vorwärts", L"rückwärts"};
        return {L"nothing", L"forwards", L"backwards"};
    }
    if (list != SettingsList::WheelKeys) return {};
    if (german) {
        return {L"nichts", L"umschalt", L"alt+strg", L"alt+umschalt", L"alt+win", L"strg+umschalt", L"strg+win",
                L"umschalt+win", L"alt+strg+umschalt", L"alt+strg+win", L"alt+umschalt+win", L"strg+umschalt+win",
                L"alt+strg+umschalt+win"};
    }
    return {L"nothing", L"shift", L"alt+ctrl", L"alt+shift", L"alt+win", L"ctrl+shift", L"ctrl+win", L"shift+win",
            L"alt+ctrl+shift", L"alt+ctrl+win", L"alt+shift+win", L"ctrl+shift+win", L"alt+ctrl+shift+win"};
}

void SettingsShow(const SettingsControl& c) {
    switch (c.kind) {
        case SettingsControlKind::Check: DialogSetChecked(kWindow, c.id, *c.flag); break;
        case SettingsControlKind::CheckNumber: DialogSetChecked(kWindow, c.id, *c.number != 0); break;
        case SettingsControlKind::Choice: DialogSetChecked(kWindow, c.id, *c.number == c.value); break;
        case SettingsControlKind::Number:
        case SettingsControlKind::Offset: DialogSetText(kWindow, c.id, std::to_wstring(*c.number)); break;
        case SettingsControlKind::Multiplier: DialogSetText(kWindow, c.id, MultiplierText(*c.multiplier)); break;
        case SettingsControlKind::Text:
        case SettingsControlKind::CommandLine: DialogSetText(kWindow, c.id, *c.text); break;
        case SettingsControlKind::Combo:
            DialogComboClear(kWindow, c.id);
            for (const std::wstring& item : SettingsListItems(c.list)) DialogComboAdd(kWindow, c.id, item);
            DialogComboSelect(kWindow, c.id, *c.text);
            break;
        case SettingsControlKind::Hotkey: DialogSetHotkey(kWindow, c.id, *c.number); break;
        case SettingsControlKind::Time: DialogSetTime(kWindow, c.id, c.time->hour, c.time->minute); break;
    }
}

bool SettingsStore(const SettingsControl& c) {
    long whole = 0;
    switch (c.kind) {
        case SettingsControlKind::Check: *c.flag = DialogIsChecked(kWindow, c.id); break;
        case SettingsControlKind::CheckNumber: *c.number = DialogIsChecked(kWindow, c.id) ? 1 : 0; break;
        case SettingsControlKind::Choice:
            if (DialogIsChecked(kWindow, c.id)) *c.number = c.value;
            break;
        case SettingsControlKind::Number:
            if (ParseWhole(DialogText(kWindow, c.id), whole)) {
                *c.number = static_cast<std::int32_t>(std::clamp<long>(whole, c.min, c.max));
            }
            break;
        case SettingsControlKind::Offset:
            *c.number = ParseWhole(DialogText(kWindow, c.id), whole) && whole >= c.min && whole <= c.max
                            ? static_cast<std::int32_t>(whole)
                            : 0;
            break;
        case SettingsControlKind::Multiplier: *c.multiplier = ParseMultiplier(DialogText(kWindow, c.id)); break;
        case SettingsControlKind::Text: *c.text = DialogText(kWindow, c.id).substr(0, c.maxLength); break;
        case SettingsControlKind::CommandLine: {
            std::wstring line = DialogText(kWindow, c.id);
            if (line.size() > c.maxLength) return false;
            *c.text = std::move(line);
            break;
        }
        case SettingsControlKind::Combo:
            if (!DialogComboSelected(kWindow, c.id).empty()) *c.text = DialogComboSelected(kWindow, c.id).substr(0, c.maxLength);
            break;
        case SettingsControlKind::Hotkey: *c.number = DialogHotkey(kWindow, c.id); break;
        case SettingsControlKind::Time: DialogTime(kWindow, c.id, c.time->hour, c.time->minute); break;
    }
    return true;
}
