#include "settings/settings_keys.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cwchar>
#include <cwctype>
#include <span>
#include <unordered_map>
#include <variant>

namespace {

using FieldRef = std::variant<std::int32_t*, std::uint16_t*, std::uint32_t*, bool*, std::wstring*, float*>;

enum class Rule : std::uint8_t {
    Plain,
    ReadOnly,         // accepted from older files, never written
    OlderIconFlag,    // read-only; "Y" or "N" read as 1 or 0 into a number that is 2 when absent
    SelectedMonitor,  // skipped while autoselect is on
    ShowVolumeIcon,   // also sets the copy consulted at start
    Language,         // written as the language in use, not as stored
};

// '#' in a pattern stands for the entry number. textLimit bounds text fields: a value is
// taken only when it is shorter. defaultValue is encoded as in the file; nullptr where
// another row owns the field's default.
struct KeyRow {
    const wchar_t* pattern;
    FieldRef (*field)(Settings&, int number);
    const wchar_t* defaultValue;
    int textLimit = 0;
    Rule rule = Rule::Plain;
};

struct SlotRow {
    const wchar_t* stem;  // the slot number is appended
    FieldRef (*field)(KnownMonitor&);
    const wchar_t* defaultValue;
    int textLimit = 0;
};

// Numbered groups are written entry by entry: all rows for number `first`, then `first`+1...
struct KeyGroup {
    std::span<const KeyRow> rows;
    int first = 0;
    int count = 1;
    bool (*writeWhen)(const Settings&) = nullptr;
    bool (*stopAt)(const Settings&, int number) = nullptr;  // ends the group's writing
    bool knownSlots = false;                                 // the per-monitor records go here
};

template <auto Member>
FieldRef Field(Settings& s, int) {
    return &(s.*Member);
}
template <auto Array, int Base = 0>
FieldRef Element(Settings& s, int number) {
    return &(s.*Array)[number - Base];
}
template <auto Array, int Index>
FieldRef FixedElement(Settings& s, int) {
    return &(s.*Array)[Index];
}
template <auto Array, auto Member, int Base = 0>
FieldRef ElementMember(Settings& s, int number) {
    return &((s.*Array)[number - Base].*Member);
}
template <auto Array, int Index, auto Member>
FieldRef FixedElementMember(Settings& s, int) {
    return &((s.*Array)[Index].*Member);
}
template <auto Member>
FieldRef SlotField(KnownMonitor& m) {
    return &(m.*Member);
}

constexpr wchar_t kZero[] = L"00000000";
constexpr wchar_t kYes[] = L"Y";
constexpr wchar_t kNo[] = L"N";
constexpr wchar_t kEmpty[] = L"";
constexpr wchar_t kNotGiven[] = L"00000002";
constexpr int kName = 64, kShort = 32, kLine = 260, kLog = 519, kProgram = 520;
// Defaults are trusted and taken whole.
constexpr int kAnyLength = 1 << 20;

constexpr KeyRow kResetSurvivors[] = {
    {L"hiddenrestart", Field<&Settings::hiddenrestart>, kNo},
    {L"showsettings", Field<&Settings::showsettings>, kNo},
};

constexpr KeyRow kColours[] = {
    {L"ColorBrightness", Field<&Settings::ColorBrightness>, L"008000FF"},
    {L"ColorContrast", Field<&Settings::ColorContrast>, L"0011D21B"},
    {L"ColorVolume", Field<&Settings::ColorVolume>, L"00FF8080"},
    {L"ColorSpeaker", Field<&Settings::ColorSpeaker>, L"00B7B700"},
    {L"ColorVibrance", Field<&Settings::ColorVibrance>, L"000080FF"},
    {L"ColorSliderBrightness", Field<&Settings::ColorSliderBrightness>, L"008000FF"},
    {L"ColorSliderContrast", Field<&Settings::ColorSliderContrast>, L"0011D21B"},
    {L"ColorSliderVolume", Field<&Settings::ColorSliderVolume>, L"00FF8080"},
    {L"ColorSliderSpeaker", Field<&Settings::ColorSliderSpeaker>, L"00B7B700"},
    {L"ColorSliderVibrance", Field<&Settings::ColorSliderVibrance>, L"000080FF"},
};

constexpr SlotRow kSlotRows[] = {
    {L"mUID", SlotField<&KnownMonitor::mUID>, kEmpty, kName},
    {L"mname", SlotField<&KnownMonitor::mname>, kEmpty, kName},
    {L"fontname", SlotField<&KnownMonitor::fontname>, kEmpty, kShort},
    {L"MonitorBrightness", SlotField<&KnownMonitor::MonitorBrightness>, L"00000032"},
    {L"MonitorContrast", SlotField<&KnownMonitor::MonitorContrast>, L"00000032"},
    {L"DimBrightness", SlotField<&KnownMonitor::DimBrightness>, kZero},
    {L"DimPeriod", SlotField<&KnownMonitor::DimPeriod>, L"0000000A"},
    {L"Dim", SlotField<&KnownMonitor::Dim>, kZero},
    {L"ignoremonitor", SlotField<&KnownMonitor::ignoremonitor>, kZero},
    {L"use6B", SlotField<&KnownMonitor::use6B>, kZero},
    {L"showbrightnessicon", SlotField<&KnownMonitor::showbrightnessicon>, L"00000001"},
    {L"showcontrasticon", SlotField<&KnownMonitor::showcontrasticon>, L"00000001"},
    {L"showcombinedicon", SlotField<&KnownMonitor::showcombinedicon>, kZero},
    {L"showspeakericon", SlotField<&KnownMonitor::showspeakericon>, kZero},
    {L"showvibranceicon", SlotField<&KnownMonitor::showvibranceicon>, L"00000001"},
};
constexpr const SlotRow& kIgnoreMonitorRow = kSlotRows[8];

constexpr KeyRow kFullScreen[] = {
    {L"App#", ElementMember<&Settings::fullScreen, &FullScreenEntry::app>, kEmpty, kProgram},
    {L"Commandline#", ElementMember<&Settings::fullScreen, &FullScreenEntry::commandLine>, kEmpty, kProgram},
};

constexpr KeyRow kToggles[] = {
    {L"toggleline#", ElementMember<&Settings::toggles, &ToggleEntry::text>, kFreeToggleText, kLine},
    {L"toggleflag#", ElementMember<&Settings::toggles, &ToggleEntry::state>, kZero},
};

constexpr KeyRow kTimerTimes[] = {
    {L"ptimer#stimeHour", ElementMember<&Settings::timed, &TimedEntry::hour>, kZero},
    {L"ptimer#stimeMinute", ElementMember<&Settings::timed, &TimedEntry::minute>, kZero},
};

constexpr KeyRow kNumbers[] = {
    {L"lastcheck", Field<&Settings::lastcheck>, kZero},
    {L"exitday", Field<&Settings::exitday>, kZero},
    {L"lastx", Field<&Settings::lastx>, kZero},
    {L"lasty", Field<&Settings::lasty>, kZero},
    {L"lastsettings", Field<&Settings::lastsettings>, kZero},
    {L"aliasing", Field<&Settings::aliasing>, kZero},
    {L"offset_brightness", Field<&Settings::offset_brightness>, kZero},
    {L"mbutton_B0", FixedElement<&Settings::mbutton, 0>, kZero},
    {L"mbutton_B1", FixedElement<&Settings::mbutton, 1>, L"00000032"},
    {L"mbutton_C0", FixedElement<&Settings::mbutton, 2>, kZero},
    {L"mbutton_C1", FixedElement<&Settings::mbutton, 3>, L"00000032"},
    {L"mbutton_S0", FixedElement<&Settings::mbutton, 4>, L"00000041"},
    {L"mbutton_S1", FixedElement<&Settings::mbutton, 5>, L"00000032"},
    {L"mbutton_V0", FixedElement<&Settings::mbutton, 6>, kZero},
    {L"mbutton_V1", FixedElement<&Settings::mbutton, 7>, L"00000064"},
    {L"wheel_B", Field<&Settings::wheel_B>, L"0000000A"},
    {L"wheel_C", Field<&Settings::wheel_C>, L"0000000A"},
    {L"wheel_S", Field<&Settings::wheel_S>, L"0000000A"},
    {L"wheel_V", Field<&Settings::wheel_V>, L"0000000A"},
    {L"repeatmouse", Field<&Settings::repeatmouse>, L"00000032"},
    {L"repeatkeyboard", Field<&Settings::repeatkeyboard>, L"00000032"},
};

constexpr KeyRow kLimits[] = {
    {L"m#_B_MIN", ElementMember<&Settings::limits, &LimitRow::brightnessMin, 1>, kZero},
    {L"m#_B_MAX", ElementMember<&Settings::limits, &LimitRow::brightnessMax, 1>, L"00000064"},
    {L"m#_C_MIN", ElementMember<&Settings::limits, &LimitRow::contrastMin, 1>, kZero},
    {L"m#_C_MAX", ElementMember<&Settings::limits, &LimitRow::contrastMax, 1>, L"00000064"},
};

constexpr KeyRow kDivisors[] = {{L"div#", Element<&Settings::div>, L"1.00"}};

constexpr KeyRow kHotkeys[] = {
    {L"hotkey#", Element<&Settings::hotkey>, kZero},
    {L"editbuffer#", Element<&Settings::editbuffer>, kEmpty, kLine},
};

constexpr KeyRow kTransfer[] = {
    {L"source_brightness", Field<&Settings::source_brightness>, kEmpty, kName},
    {L"destination_brightness", Field<&Settings::destination_brightness>, kEmpty, kName},
};

constexpr KeyRow kLimitMonitors[] = {
    {L"IDC_#M", ElementMember<&Settings::limits, &LimitRow::monitor, 1>, kEmpty, kName},
};
constexpr KeyRow kTimerLines[] = {
    {L"ptimer#buffer", ElementMember<&Settings::timed, &TimedEntry::commandLine>, kEmpty, kLine},
};
constexpr KeyRow kWheelKeys[] = {
    {L"wheelkeys#", ElementMember<&Settings::wheel, &WheelEntry::keys>, kEmpty, kShort},
};
constexpr KeyRow kWheelDirections[] = {
    {L"direction#", ElementMember<&Settings::wheel, &WheelEntry::direction>, kEmpty, kShort},
};
constexpr KeyRow kWheelLines[] = {
    {L"wheelbuffer#", ElementMember<&Settings::wheel, &WheelEntry::commandLine>, kEmpty, kLine},
};
constexpr KeyRow kMenuLines[] = {{L"m_editbuffer#", Element<&Settings::m_editbuffer>, kEmpty, kLine}};
constexpr KeyRow kLogFile[] = {{L"logfile", Field<&Settings::logfile>, kEmpty, kLog}};
constexpr KeyRow kHide[] = {{L"hide#", Element<&Settings::hide>, kNo}};

constexpr KeyRow kFlags[] = {
    {L"autostart", Field<&Settings::autostart>, kYes},
    {L"autoselect", Field<&Settings::autoselect>, kNo},
    {L"selectedmonitor", Field<&Settings::selectedmonitor>, kZero, 0, Rule::SelectedMonitor},
    {L"samebrightness", Field<&Settings::samebrightness>, kNo},
    {L"tooltips", Field<&Settings::tooltips>, kYes},
    {L"showvolume", Field<&Settings::showvolume>, kYes},
    {L"nocheckhidden", Field<&Settings::nocheckhidden>, kNo},
    {L"nocheckmonitor", Field<&Settings::nocheckmonitor>, kNo},
    {L"showRGB", Field<&Settings::showRGB>, kYes},
    {L"samevalues", Field<&Settings::samevalues>, kNo},
    {L"rereadvalues", Field<&Settings::rereadvalues>, kNo},
    {L"onlyfullscreen", Field<&Settings::onlyfullscreen>, kYes},
    {L"restorevalues", Field<&Settings::restorevalues>, kYes},
    {L"daily", Field<&Settings::daily>, kNo},
    {L"weekly", Field<&Settings::weekly>, kNo},
    {L"never", Field<&Settings::never>, kYes},
    {L"savenonvolatile", Field<&Settings::savenonvolatile>, kNo},
    {L"verify", Field<&Settings::verify>, kNo},
    {L"minimizeflag", Field<&Settings::minimizeflag>, kNo},
    {L"autocloseflag", Field<&Settings::autocloseflag>, kYes},
    {L"logfileflag", Field<&Settings::logfileflag>, kNo},
    {L"additional", Field<&Settings::additional>, kYes},
    {L"cdbackup", Field<&Settings::cdbackup>, kYes},
    {L"notifications", Field<&Settings::notifications>, kNo},
};
constexpr KeyRow kTimerFlags[] = {
    {L"ptimer#timeflag", ElementMember<&Settings::timed, &TimedEntry::enabled>, kYes},
};
constexpr KeyRow kLateFlags[] = {
    {L"showvolumeicon", Field<&Settings::showvolumeicon>, kYes, 0, Rule::ShowVolumeIcon},
    {L"transferbrightness", Field<&Settings::transferbrightness>, kNo},
    {L"checkambient", Field<&Settings::checkambient>, kNo},
    {L"usemousehook", Field<&Settings::usemousehook>, kYes},
    {L"usekeyboardhook", Field<&Settings::usekeyboardhook>, kYes},
    {L"language", Field<&Settings::language>, kEmpty, kShort, Rule::Language},
    {L"safety", Field<&Settings::safety>, kYes},
};

// Older versions named the first two timed entries "day" and "night".
constexpr KeyRow kOlderKeys[] = {
    {L"daytimeHour", FixedElementMember<&Settings::timed, 0, &TimedEntry::hour>, nullptr, 0, Rule::ReadOnly},
    {L"daytimeMinute", FixedElementMember<&Settings::timed, 0, &TimedEntry::minute>, nullptr, 0, Rule::ReadOnly},
    {L"nighttimeHour", FixedElementMember<&Settings::timed, 1, &TimedEntry::hour>, nullptr, 0, Rule::ReadOnly},
    {L"nighttimeMinute", FixedElementMember<&Settings::timed, 1, &TimedEntry::minute>, nullptr, 0,
     Rule::ReadOnly},
    {L"dayeditbuffer", FixedElementMember<&Settings::timed, 0, &TimedEntry::commandLine>, nullptr, kLine,
     Rule::ReadOnly},
    {L"nighteditbuffer", FixedElementMember<&Settings::timed, 1, &TimedEntry::commandLine>, nullptr, kLine,
     Rule::ReadOnly},
    {L"daytimeflag", FixedElementMember<&Settings::timed, 0, &TimedEntry::enabled>, nullptr, 0, Rule::ReadOnly},
    {L"nighttimeflag", FixedElementMember<&Settings::timed, 1, &TimedEntry::enabled>, nullptr, 0, Rule::ReadOnly},
    {L"automaticupdate", Field<&Settings::weekly>, nullptr, 0, Rule::ReadOnly},
    {L"showbrightnessicon", Field<&Settings::showbrightnessicon>, kNotGiven, 0, Rule::OlderIconFlag},
    {L"showcontrasticon", Field<&Settings::showcontrasticon>, kNotGiven, 0, Rule::OlderIconFlag},
    {L"showcombinedicon", Field<&Settings::showcombinedicon>, kNotGiven, 0, Rule::OlderIconFlag},
};
constexpr KeyRow kOlderNightKeys[] = {
    {L"night#timeHour", ElementMember<&Settings::timed, &TimedEntry::hour>, nullptr, 0, Rule::ReadOnly},
    {L"night#timeMinute", ElementMember<&Settings::timed, &TimedEntry::minute>, nullptr, 0, Rule::ReadOnly},
    {L"night#editbuffer", ElementMember<&Settings::timed, &TimedEntry::commandLine>, nullptr, kLine,
     Rule::ReadOnly},
    {L"night#timeflag", ElementMember<&Settings::timed, &TimedEntry::enabled>, nullptr, 0, Rule::ReadOnly},
};

bool ToggleSlotsLeft(const Settings& s) { return s.toggles.back().text == kFreeToggleText; }
bool NoProgram(const Settings& s, int number) { return s.fullScreen[number].app.empty(); }
bool FreeToggle(const Settings& s, int number) { return s.toggles[number].text == kFreeToggleText; }

// The groups in the order a save writes them.
constexpr KeyGroup kGroups[] = {
    {kResetSurvivors},
    {kColours},
    {{}, 0, 1, nullptr, nullptr, true},
    {kFullScreen, 0, 16, nullptr, NoProgram},
    {kToggles, 0, 32, ToggleSlotsLeft, FreeToggle},
    {kTimerTimes, 0, 8},
    {kNumbers},
    {kLimits, 1, 8},
    {kDivisors, 0, 4},
    {kHotkeys, 0, 15},
    {kTransfer},
    {kLimitMonitors, 1, 8},
    {kTimerLines, 0, 8},
    {kWheelKeys, 0, 8},
    {kWheelDirections, 0, 8},
    {kWheelLines, 0, 8},
    {kMenuLines, 0, 30},
    {kLogFile},
    {kHide, 0, 15},
    {kFlags},
    {kTimerFlags, 0, 8},
    {kLateFlags},
    {kOlderKeys},
    {kOlderNightKeys, 2, 6},
};

std::wstring KeyName(const wchar_t* pattern, int number) {
    std::wstring name = pattern;
    const std::size_t mark = name.find(L'#');
    if (mark != std::wstring::npos) name.replace(mark, 1, std::to_wstring(number));
    return name;
}

std::wstring Lower(std::wstring_view text) {
    std::wstring lower(text);
    for (wchar_t& c : lower) c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
    return lower;
}

// Reads a number as swscanf's "%08X" would, so that hand-edited files mean what they say:
// after optional blanks at most eight characters of an optional sign, an optional 0x and
// hexadecimal digits; "-" negates modulo 2^32. False when there is no digit.
bool ScanHex(std::wstring_view text, std::uint32_t& value) {
    std::size_t i = 0;
    while (i < text.size() && std::iswspace(static_cast<wint_t>(text[i]))) ++i;
    const std::size_t end = std::min(text.size(), i + 8);
    const bool negative = i < end && text[i] == L'-';
    if (i < end && (text[i] == L'-' || text[i] == L'+')) ++i;
    // The 0 of a prefix is a digit already: "0x" alone reads as 0.
    bool digits = false;
    if (i + 1 < end && text[i] == L'0' && (text[i + 1] == L'x' || text[i + 1] == L'X')) {
        i += 2;
        digits = true;
    }
    std::uint32_t result = 0;
    for (; i < end; ++i) {
        const wchar_t c = text[i];
        std::uint32_t digit;
        if (c >= L'0' && c <= L'9') {
            digit = static_cast<std::uint32_t>(c - L'0');
        } else if (c >= L'a' && c <= L'f') {
            digit = static_cast<std::uint32_t>(c - L'a' + 10);
        } else if (c >= L'A' && c <= L'F') {
            digit = static_cast<std::uint32_t>(c - L'A' + 10);
        } else {
            break;
        }
        result = result * 16 + digit;
        digits = true;
    }
    if (!digits) return false;
    value = negative ? 0u - result : result;
    return true;
}

// A factor that is not a finite number would poison every brightness transfer.
bool ScanReal(std::wstring_view text, float& value) {
    const std::wstring copy(text);
    wchar_t* end = nullptr;
    const float result = std::wcstof(copy.c_str(), &end);
    if (end == copy.c_str() || !std::isfinite(result)) return false;
    value = result;
    return true;
}

void Decode(FieldRef field, std::wstring_view value, int textLimit) {
    std::uint32_t scanned = 0;
    std::visit(
        [&](auto* target) {
            using T = std::remove_pointer_t<decltype(target)>;
            if constexpr (std::is_same_v<T, bool>) {
                *target = !value.empty() && value.front() == L'Y';
            } else if constexpr (std::is_same_v<T, std::wstring>) {
                if (value.size() < static_cast<std::size_t>(textLimit)) target->assign(value);
            } else if constexpr (std::is_same_v<T, float>) {
                ScanReal(value, *target);
            } else if (ScanHex(value, scanned)) {
                // A 16-bit field keeps only its own 16 bits; the neighbouring field is untouched.
                *target = static_cast<T>(scanned);
            }
        },
        field);
}

std::wstring Encode(FieldRef field) {
    return std::visit(
        [](auto* source) -> std::wstring {
            using T = std::remove_pointer_t<decltype(source)>;
            wchar_t buffer[64];
            if constexpr (std::is_same_v<T, bool>) {
                return *source ? kYes : kNo;
            } else if constexpr (std::is_same_v<T, std::wstring>) {
                return *source;
            } else if constexpr (std::is_same_v<T, float>) {
                std::swprintf(buffer, std::size(buffer), L"%.2f", static_cast<double>(*source));
                return buffer;
            } else {
                std::swprintf(buffer, std::size(buffer), L"%08X",
                              static_cast<unsigned>(static_cast<std::uint32_t>(*source)));
                return buffer;
            }
        },
        field);
}

struct KeyTarget {
    const KeyRow* row = nullptr;
    const SlotRow* slotRow = nullptr;
    int number = 0;
};

void AddKey(std::unordered_map<std::wstring, KeyTarget>& keys, const std::wstring& name, KeyTarget target) {
    keys.emplace(Lower(name), target);
}

const std::unordered_map<std::wstring, KeyTarget>& KeyIndex() {
    static const std::unordered_map<std::wstring, KeyTarget> index = [] {
        std::unordered_map<std::wstring, KeyTarget> keys;
        for (const KeyGroup& group : kGroups) {
            if (group.knownSlots) {
                for (int slot = 0; slot < kKnownMonitorSlots; ++slot) {
                    for (const SlotRow& row : kSlotRows) AddKey(keys, row.stem + std::to_wstring(slot), {nullptr, &row, slot});
                }
                continue;
            }
            for (int number = group.first; number < group.first + group.count; ++number) {
                for (const KeyRow& row : group.rows) AddKey(keys, KeyName(row.pattern, number), {&row, nullptr, number});
            }
        }
        return keys;
    }();
    return index;
}

void ApplySlotValue(Settings& settings, const SlotRow& row, int slot, std::wstring_view value) {
    if (&row == &kIgnoreMonitorRow) {
        bool matched = false;
        for (KnownMonitor& monitor : settings.known) {
            if (!monitor.mUID.empty() && TextEqualsNoCase(monitor.mUID, value)) {
                monitor.ignoremonitor = 1;
                matched = true;
            }
        }
        if (matched) return;
    }
    Decode(row.field(settings.known[slot]), value, row.textLimit);
}

void WriteKnownMonitors(Settings& settings, SettingsPairs& pairs) {
    for (int slot = 0; slot < kKnownMonitorSlots; ++slot) {
        KnownMonitor& monitor = settings.known[slot];
        if (monitor.mUID.empty()) continue;
        for (const SlotRow& row : kSlotRows) {
            pairs.emplace_back(row.stem + std::to_wstring(slot), Encode(row.field(monitor)));
        }
    }
}

}  // namespace

bool TextEqualsNoCase(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::towlower(static_cast<wint_t>(a[i])) != std::towlower(static_cast<wint_t>(b[i]))) return false;
    }
    return true;
}

bool TextContainsNoCase(std::wstring_view text, std::wstring_view part) {
    for (std::size_t start = 0; start + part.size() <= text.size(); ++start) {
        if (TextEqualsNoCase(text.substr(start, part.size()), part)) return true;
    }
    return false;
}

void SettingsApplyPair(Settings& settings, SettingsStatus& status, std::wstring_view key, std::wstring_view value) {
    if (TextEqualsNoCase(key, kSettingsVersionKey)) {
        if (TextEqualsNoCase(value, kSettingsVersion)) status.versionMatched = true;
        return;
    }
    const auto& index = KeyIndex();
    const auto found = index.find(Lower(key));
    if (found == index.end()) return;
    const KeyTarget& target = found->second;
    if (target.slotRow != nullptr) {
        ApplySlotValue(settings, *target.slotRow, target.number, value);
        return;
    }
    const KeyRow& row = *target.row;
    if (row.rule == Rule::SelectedMonitor && settings.autoselect) return;
    if (row.rule == Rule::OlderIconFlag) {
        *std::get<std::int32_t*>(row.field(settings, target.number)) = !value.empty() && value.front() == L'Y';
        return;
    }
    Decode(row.field(settings, target.number), value, row.textLimit);
    if (row.rule == Rule::ShowVolumeIcon) settings.showvolumeiconAtStart = settings.showvolumeicon;
}

SettingsPairs SettingsWriteList(const Settings& source, const SettingsStatus& status, bool german) {
    // The field accessors serve reading and writing alike; nothing is changed here.
    Settings& settings = const_cast<Settings&>(source);
    SettingsPairs pairs;
    for (const KeyGroup& group : kGroups) {
        if (group.knownSlots) {
            if (!status.dropKnownMonitors) WriteKnownMonitors(settings, pairs);
            continue;
        }
        if (group.writeWhen != nullptr && !group.writeWhen(settings)) continue;
        for (int number = group.first; number < group.first + group.count; ++number) {
            if (group.stopAt != nullptr && group.stopAt(settings, number)) break;
            for (const KeyRow& row : group.rows) {
                if (row.rule == Rule::ReadOnly || row.rule == Rule::OlderIconFlag) continue;
                const std::wstring name = KeyName(row.pattern, number);
                if (row.rule == Rule::Language) {
                    pairs.emplace_back(name, german ? L"German" : L"English");
                } else {
                    pairs.emplace_back(name, Encode(row.field(settings, number)));
                }
            }
        }
        // After a reset only the restart markers survive, so the next start begins afresh.
        if (&group == &kGroups[0] && !status.settingsValid) break;
    }
    return pairs;
}

std::vector<std::wstring> SettingsAllKeys() {
    std::vector<std::wstring> keys;
    for (const auto& [lower, target] : KeyIndex()) {
        keys.push_back(target.slotRow != nullptr ? target.slotRow->stem + std::to_wstring(target.number)
                                                 : KeyName(target.row->pattern, target.number));
    }
    return keys;
}

void SettingsApplyDefaults(Settings& settings) {
    for (const KeyGroup& group : kGroups) {
        if (group.knownSlots) {
            for (KnownMonitor& monitor : settings.known) KnownMonitorApplyDefaults(monitor);
            continue;
        }
        for (int number = group.first; number < group.first + group.count; ++number) {
            for (const KeyRow& row : group.rows) {
                if (row.defaultValue != nullptr) Decode(row.field(settings, number), row.defaultValue, kAnyLength);
            }
        }
    }
    settings.showvolumeiconAtStart = settings.showvolumeicon;
}

void KnownMonitorApplyDefaults(KnownMonitor& monitor) {
    for (const SlotRow& row : kSlotRows) Decode(row.field(monitor), row.defaultValue, kAnyLength);
    monitor.brightnessBeforeDim = 50;
    monitor.dimmed = 0;
}
