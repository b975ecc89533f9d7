#include "commands/interpreter.h"

#include <algorithm>
#include <cwctype>
#include <string>

#include "log/event_log.h"
#include "audio/audio.h"
#include "commands/monitor_limits.h"
#include "commands/scan.h"
#include "commands/target.h"
#include "commands/toggle.h"
#include "commands/vcp_commands.h"
#include "monitors/brightness.h"
#include "monitors/colour.h"
#include "monitors/discovery.h"
#include "monitors/known_monitors.h"
#include "monitors/monitor_list.h"
#include "monitors/monitor_table.h"
#include "platform/clock.h"
#include "platform/main_window.h"
#include "res/resource.h"
#include "settings/settings.h"
#include "settings/settings_keys.h"
#include "platform/requests.h"
#include "vcp/value_names.h"

namespace {

InterpreterFlags g_interpreter;

constexpr std::size_t kTokenChars = 128;

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }
bool IsAlpha(wchar_t c) { return std::iswalpha(static_cast<wint_t>(c)) != 0; }

bool IsSelectorToken(const std::wstring& token) {
    if (token.size() >= 6) return true;
    if (std::count_if(token.begin(), token.end(), IsAlpha) >= 2) return true;
    const wchar_t first = token.front();
    return !IsAlpha(first) && first != L'?' && first != L';' && first != L',';
}

// Quotes only hold a name with blanks together; monitor names never contain them.
std::wstring SelectorText(const std::wstring& token) {
    std::wstring text;
    for (wchar_t c : token) {
        if (c != L'"' && c != L'\'') text += c;
    }
    return text;
}

bool SelectMonitorByToken(const std::wstring& token) {
    const std::wstring needle = SelectorText(token);
    if (needle.empty()) return false;
    const std::int32_t rows = MonitorListRowCount();
    for (std::int32_t row = 0; row < rows && row < kMonitorCount; ++row) {
        const MonitorEntry& entry = g_monitors.entries[static_cast<std::size_t>(row)];
        if (TextContainsNoCase(MonitorListCell(row, kColumnName), needle) || TextContainsNoCase(entry.serialNumber, needle) ||
            TextContainsNoCase(entry.capsModel, needle) || TextContainsNoCase(entry.gdiDeviceName, needle)) {
            ChooseMonitor(row);
            return true;
        }
    }
    return false;
}

// The new value of a ranged setting, or false when the command changes nothing.
bool ApplyRangeRule(std::int32_t current, const NumberArgument& number, std::int32_t maximum, std::uint32_t& result) {
    const std::int64_t n = number.value;
    switch (number.sign) {
        case Sign::Plus:
            if (current == maximum) return false;
            result = static_cast<std::uint32_t>(std::clamp<std::int64_t>(std::int64_t{current} + n, 0, maximum));
            return true;
        case Sign::Minus:
            if (current == 0) return false;
            result = static_cast<std::uint32_t>(std::clamp<std::int64_t>(std::int64_t{current} - n, 0, maximum));
            return true;
        case Sign::None:
            if (n > maximum) return false;
            result = number.value;
            return true;
    }
    return false;
}

void SetSystemVolume(const NumberArgument& number) {
    const std::int32_t current = CurrentVolumePercent();
    const auto n = static_cast<std::int64_t>(number.value);
    float level = static_cast<float>(n) / 100.0f;
    if (number.sign == Sign::Plus) {
        level = (static_cast<float>(std::min<std::int64_t>(current + n, 100)) - 0.001f) / 100.0f;
    } else if (number.sign == Sign::Minus) {
        level = (static_cast<float>(std::max<std::int64_t>(current - n, 0)) + 0.001f) / 100.0f;
    }
    SetVolume(level);
    const bool raising = number.sign == Sign::Plus || (number.sign == Sign::None && n > 50);
    // The system's volume display shows the new level after a step away and back.
    ShowSystemVolumeDisplay(!raising);
}

void SetDimming(bool dim) {
    const MonitorEntry& target = TargetEntry();
    if (target.deviceUid.empty()) return;
    if (KnownMonitor* known = KnownMonitorOf(target)) known->Dim = dim ? 1 : 0;
}

// Colour preset, input or picture preset by number or by the beginning of its name.
bool RunNamedValue(const wchar_t*& p, std::uint8_t code, std::size_t maxChars, std::int32_t MonitorEntry::*request) {
    while (*p == L' ') ++p;
    const std::wstring token = ReadToken(p, maxChars);
    if (token.empty()) return false;
    p += token.size();
    std::int32_t index = -1;
    if (IsDigit(token.front())) {
        std::int32_t value = 0;
        for (std::size_t i = 0; i < token.size() && IsDigit(token[i]) && value < 256; ++i) value = value * 10 + (token[i] - L'0');
        if (value < 256) index = value;
    }
    const std::wstring wanted = ToLower(token);
    for (std::uint32_t value = 0; index < 0 && value < 256; ++value) {
        const std::wstring name = VcpValueName(code, value);
        if (!name.empty() && ToLower(name.substr(0, wanted.size())) == wanted) index = static_cast<std::int32_t>(value);
    }
    if (index >= 0) {
        TargetEntry().*request = index;
        DiscoverMonitors(false);
    }
    return true;
}

// Runs the command whose letter p stands on. False when the line ends here.
bool RunCommand(const wchar_t* lineStart, const wchar_t*& p) {
    const auto letter = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(*p)));
    MonitorEntry& target = TargetEntry();
    auto ranged = [&](std::int32_t current, std::int32_t maximum, auto apply) {
        NumberArgument number;
        if (!ReadNumberArgument(++p, number)) return false;
        std::uint32_t value = 0;
        if (ApplyRangeRule(current, number, maximum, value)) apply(value);
        return true;
    };
    auto colour = [](ColourKind kind) { return [kind](std::uint32_t value) { SetColourValue(kind, value); }; };
    NumberArgument number;
    switch (letter) {
        case L'b': return ranged(target.brightness, 100, SetBrightness);
        case L'c': return ranged(target.contrast, 100, SetContrast);
        case L'r': return ranged(target.red, 255, colour(ColourKind::Red));
        case L'g': return ranged(target.green, 255, colour(ColourKind::Green));
        case L'l':
        case L'i': return ranged(target.blue, 255, colour(ColourKind::Blue));
        case L'o': return ranged(target.speakerVolume, 100, colour(ColourKind::Speaker));
        case L'k': return ranged(target.saturationInfo.current, 100, colour(ColourKind::Saturation));
        case L'v':
            if (!ReadNumberArgument(++p, number)) return false;
            SetSystemVolume(number);
            return true;
        case L'n':
            if (!ReadNumberArgument(++p, number)) return false;
            SetDimming(number.value != 0);
            return true;
        case L'y':
            if (!ReadNumberArgument(++p, number)) return false;
            g_settings.transferbrightness = number.value != 0;
            return true;
        case L'm': SetMute(true); break;
        case L'u': SetMute(false); break;
        case L'd':
            g_interpreter.errorLevelValue = target.brightness;
            g_interpreter.errorLevelRequested = 1;
            break;
        case L'e':
            g_interpreter.errorLevelValue = target.contrast;
            g_interpreter.errorLevelRequested = 1;
            break;
        case L'?': ShowNotification(NotificationKind::MainValues); break;
        case L';': ClockSleep(100); break;
        case L',': ClockSleep(1000); break;
        case L'f':
            target.pendingFactoryReset = true;
            DiscoverMonitors(false);
            break;
        case L'x':
            if (g_interpreter.monitorNamedInLine != 0) {
                target.pendingPowerToggle = true;
                DiscoverMonitors(false);
            } else {
                MainWindowPostCommand(IDM_TURN_OFF_MONITORS, 0);
            }
            break;
        case L'w': MainWindowPostCommand(kCommandRotate, 0); break;
        case L'p': return RunNamedValue(++p, kVcpColourTemp, 6, &MonitorEntry::pendingColourTemp);
        case L's': return RunNamedValue(++p, kVcpInput, 15, &MonitorEntry::pendingInput);
        case L'j': return RunNamedValue(++p, kVcpPreset, 15, &MonitorEntry::pendingPreset);
        case L'a': RunLimitsCommand(p + 1); return false;
        case L't':
            if ((p == lineStart || p[-1] == L' ') && p[1] == L' ') RunToggle(p + 1);
            return false;
        case L'q':
            LogEvent(static_cast<std::uint32_t>(-1), -1, nullptr, kLogNoOutcome, L"argument q -> exit Lumistrand");
            RequestQuietExit();
            return false;
        case L'z':
            LogEvent(static_cast<std::uint32_t>(-1), -1, nullptr, kLogNoOutcome, L"argument z -> restart Lumistrand");
            RequestRestart();
            return false;
        default: break;
    }
    ++p;
    return true;
}

// One step of the main loop from p; false when the rest of the line is ignored.
bool Step(const wchar_t* lineStart, const wchar_t*& p) {
    if (*p == L' ') {
        ++p;
        return true;
    }
    if (StartsWithNoCase(p, L"setvcp")) return RunSetVcp(p);
    if (StartsWithNoCase(p, L"getvcp")) return RunGetVcp(p, false);
    if (StartsWithNoCase(p, L"get_vcp")) return RunGetVcp(p, true);
    if (IsDigit(p[0]) && p[1] == L' ') {
        const std::int32_t row = std::max(p[0] - L'1', 0);
        if (row >= MonitorListRowCount()) return false;
        ChooseMonitor(row);
        ++p;
        return true;
    }
    const std::wstring token = ReadToken(p, kTokenChars);
    if (StartsWithNoCase(p, L"bl")) {
        ++p;
        return true;
    }
    if (IsSelectorToken(token)) {
        if (!SelectMonitorByToken(token)) return false;
        p += token.size();
        return true;
    }
    return RunCommand(lineStart, p);
}

}  // namespace

const InterpreterFlags& InterpreterState() { return g_interpreter; }

void InterpreterClearErrorLevel() {
    g_interpreter.errorLevelRequested = 0;
    g_interpreter.getVcpErrorLevel = 0;
}

void InterpreterReset() { g_interpreter = InterpreterFlags{}; }

void InterpreterNoteMonitorNamed() { g_interpreter.monitorNamedInLine = 1; }

void InterpreterSetInteractiveSelection(bool interactive) { g_interpreter.interactiveSelection = interactive ? 1 : 0; }

void InterpreterAskVcpErrorLevel(bool asErrorLevel) {
    g_interpreter.getVcpErrorLevel = asErrorLevel ? 1 : 0;
    if (asErrorLevel) g_interpreter.errorLevelRequested = 1;
}

void ExecuteCommandLine(wchar_t* line) {
    if (line == nullptr) return;
    g_interpreter.monitorNamedInLine = 0;
    // A get_VCP of an earlier line must not turn this line's d or e into its read result.
    g_interpreter.getVcpErrorLevel = 0;
    const wchar_t* p = line;
    while (*p != L'\0' && Step(line, p)) {
    }
}
