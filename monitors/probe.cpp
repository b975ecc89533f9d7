#include "monitors/probe.h"

#include <algorithm>
#include <array>
#include <cstdarg>
#include <cwchar>
#include <cwctype>
#include <vector>

#include "log/event_log.h"
#include "monitors/brightness.h"
#include "monitors/capabilities.h"
#include "monitors/known_monitors.h"
#include "monitors/laptop_panel.h"
#include "monitors/monitor_table.h"
#include "monitors/percent.h"
#include "platform/clock.h"
#include "settings/settings.h"
#include "vcp/value_names.h"

namespace {

constexpr std::uint32_t kNoDevice = 0xFFFFFFFFu;
constexpr std::uint32_t kCapabilitiesMaxBytes = 4096;
constexpr std::int32_t kCapsLastAttempt = 1;  // capsAttemptsLeft at which the monitor is not asked again

struct Attempts {
    std::int32_t count;
    std::uint32_t pauseMs;
};
constexpr Attempts kContrastAttempts{3, 50};
constexpr Attempts kPowerAttempts{10, 100};
constexpr Attempts kGainAttempts{3, 50};
constexpr Attempts kSpeakerAttempts{5, 50};
constexpr Attempts kVcpListAttempts{10, 100};
constexpr std::uint32_t kCapsPauseMs = 50;
constexpr std::uint32_t kSavingPolicyPauseMs = 1500;

std::uint32_t DeviceId(const PhysicalMonitor& monitor) {
    return static_cast<std::uint32_t>(monitor.handle);
}

void LogValues(std::int32_t index, const wchar_t* format, ...) {
    wchar_t text[256];
    va_list args;
    va_start(args, format);
    std::vswprintf(text, sizeof text / sizeof text[0], format, args);
    va_end(args);
    LogEvent(kNoDevice, index, nullptr, kLogNoOutcome, text);
}

struct ReadResult {
    bool answered = false;  // the platform call succeeded
    bool usable = false;    // and its values can be used
};

// Calls read up to attempts.count times until a usable answer, pausing between attempts.
// Returns whether the last call was answered.
template <typename Read>
bool ReadWithRetries(const Attempts& attempts, Read read) {
    ReadResult result;
    for (std::int32_t attempt = 0; attempt < attempts.count; ++attempt) {
        if (attempt > 0 && attempts.pauseMs != 0) {
            ClockSleep(attempts.pauseMs);
        }
        result = read();
        if (result.usable) {
            break;
        }
    }
    return result.answered;
}

// A VCP read logged under name; current and maximum are untouched on failure.
bool ReadVcp(const PhysicalMonitor& monitor, std::int32_t index, std::uint8_t code, const wchar_t* name,
             std::uint32_t& current, std::uint32_t& maximum) {
    std::uint32_t c = 0, m = 0;
    const bool ok = DdcGetVcpFeature(monitor.handle, code, c, m);
    LogEvent(DeviceId(monitor), index, name, ok ? 1 : 0, nullptr);
    if (ok) {
        current = c;
        maximum = m;
    }
    return ok;
}

bool VcpWithRetries(const PhysicalMonitor& monitor, std::int32_t index, std::uint8_t code, const wchar_t* name,
                    const Attempts& attempts, std::uint32_t& current) {
    bool got = false;
    ReadWithRetries(attempts, [&] {
        std::uint32_t maximum = 0;
        got = ReadVcp(monitor, index, code, name, current, maximum);
        return ReadResult{got, got};
    });
    return got;
}

bool IsLaterPassLaptop(const MonitorEntry& entry) {
    return entry.isLaptopPanel && !g_monitors.startupPass;
}

bool ContainsUserNoCase(const std::wstring& name) {
    std::wstring lower;
    for (wchar_t c : name) {
        lower += static_cast<wchar_t>(std::towlower(c));
    }
    return lower.find(L"user") != std::wstring::npos;
}

void ReadBrightness(MonitorEntry& entry, std::int32_t index, const PhysicalMonitor& monitor, const ProbePolicy& policy,
                    bool use6B) {
    const Attempts attempts{policy.attempts, static_cast<std::uint32_t>(policy.pauseMs)};
    g_monitors.lastPassOk = ReadWithRetries(attempts, [&] {
        std::uint32_t minimum = static_cast<std::uint32_t>(entry.brightnessMin), current = 0, maximum = 0;
        bool ok;
        if (use6B) {
            ok = ReadVcp(monitor, index, 0x6B, L"GetBackLightWhite", current, maximum);
        } else {
            ok = DdcGetBrightness(monitor.handle, minimum, current, maximum);
            LogEvent(DeviceId(monitor), index, L"GetMonitorBrightness", ok ? 1 : 0, nullptr);
        }
        if (!ok) {
            return ReadResult{false, false};
        }
        // A flat range is kept too, so that writes send its one raw value instead of 0.
        entry.brightnessMin = static_cast<std::int32_t>(minimum);
        entry.brightnessMax = static_cast<std::int32_t>(maximum);
        if (maximum == minimum) {
            return ReadResult{true, false};
        }
        LogValues(index, L"MinimumBrightness %d  CurrentBrightness %d  MaximumBrightness %d",
                  static_cast<int>(minimum), static_cast<int>(current), static_cast<int>(maximum));
        entry.brightness = RawToScaled(static_cast<std::int32_t>(current), entry.brightnessMin, entry.brightnessMax);
        if (policy.pauseMs == static_cast<std::int32_t>(kSavingPolicyPauseMs)) {
            SaveMonitorSettings(monitor.handle, index);
        }
        return ReadResult{true, true};
    });
    if (g_monitors.lastPassOk) {
        entry.ddcCapable = true;
        entry.isLaptopPanel = false;
    }
}

void ReadContrast(MonitorEntry& entry, std::int32_t index, const PhysicalMonitor& monitor) {
    ReadWithRetries(kContrastAttempts, [&] {
        std::uint32_t minimum = 0, current = 0, maximum = 0;
        const bool ok = DdcGetContrast(monitor.handle, minimum, current, maximum);
        LogEvent(DeviceId(monitor), index, L"GetMonitorContrast", ok ? 1 : 0, nullptr);
        if (!ok || maximum == minimum) {
            return ReadResult{ok, false};
        }
        LogValues(index, L"MinimumContrast %d  CurrentContrast %d  MaximumContrast %d", static_cast<int>(minimum),
                  static_cast<int>(current), static_cast<int>(maximum));
        entry.contrastMin = static_cast<std::int32_t>(minimum);
        entry.contrastMax = static_cast<std::int32_t>(maximum);
        entry.contrast = RawToScaled(static_cast<std::int32_t>(current), entry.contrastMin, entry.contrastMax);
        return ReadResult{true, true};
    });
}

// The entry's row does not exist yet while it is probed; the pass sets every row's check
// box from powerOn once the rows are rebuilt.
void ReadPowerState(MonitorEntry& entry, std::int32_t index, const PhysicalMonitor& monitor) {
    std::uint32_t mode = 0;
    if (VcpWithRetries(monitor, index, 0xD6, L"VCP 0xD6 Get Power Mode", kPowerAttempts, mode)) {
        entry.powerOn = mode == 1;
    }
}

// Fetches the string when none is stored and the monitor may still be asked. Gives up
// for the whole run after 50 failed requests.
void FetchCapabilities(MonitorEntry& entry, std::int32_t index, const PhysicalMonitor& monitor) {
    while (entry.capabilities.empty() && entry.capsAttemptsLeft > kCapsLastAttempt) {
        std::uint32_t length = 0;
        bool ok = DdcGetCapabilitiesStringLength(monitor.handle, length) && length > 0 &&
                  length <= kCapabilitiesMaxBytes;
        std::vector<char> buffer;
        if (ok) {
            buffer.assign(length + 1, '\0');
            ok = DdcCapabilitiesRequest(monitor.handle, buffer.data(), length);
        }
        if (ok) {
            std::string text(buffer.data());
            text.resize(std::min(text.size(), kCapabilitiesMaxChars));
            entry.capabilities = text;
            LogEvent(DeviceId(monitor), index, L"CapabilitiesRequestAndCapabilitiesReply", 1, nullptr);
            LogEvent(kNoDevice, index, nullptr, kLogNoOutcome, CapsToWide(text).c_str());
            return;
        }
        LogEvent(DeviceId(monitor), index, L"CapabilitiesRequestAndCapabilitiesReply", 0, nullptr);
        --entry.capsAttemptsLeft;
        ClockSleep(kCapsPauseMs);
    }
}

struct ValueListRead {
    std::uint8_t code;
    const char* key;
    const wchar_t* logName;
    std::array<std::wstring, 256> MonitorEntry::*choices;
    std::wstring MonitorEntry::*currentName;
};

constexpr ValueListRead kValueLists[] = {
    {kVcpColourTemp, "14", L"VCP 0x14 Get Monitor color temperature", &MonitorEntry::colourTempChoices,
     &MonitorEntry::colourTempName},
    {kVcpInput, "60", L"VCP 0x60 Get Monitor input", &MonitorEntry::inputChoices, &MonitorEntry::inputName},
    {kVcpPreset, "DC", L"VCP 0xDC Get Monitor preset", &MonitorEntry::presetChoices, &MonitorEntry::presetName},
};

void ReadValueList(MonitorEntry& entry, std::int32_t index, const PhysicalMonitor& monitor, const ValueListRead& list) {
    const CapsValueList values = CapsValues(entry.capabilities, list.key);
    for (std::uint8_t value : values.values) {
        (entry.*list.choices)[value] = VcpValueName(list.code, value);
    }
    const bool isPreset = list.code == kVcpPreset;
    if (isPreset && !values.values.empty()) {
        entry.hasPresetList = true;
    }
    // Colour temperature and input are read whenever the vcp list names them, with or
    // without values: a monitor in a User preset needs its RGB sliders either way.
    const bool announced = values.found || CapsListsCode(entry.capabilities, list.key);
    if (isPreset ? !entry.hasPresetList : !announced) {
        return;
    }
    std::uint32_t current = 0;
    if (!VcpWithRetries(monitor, index, list.code, list.logName, kVcpListAttempts, current)) {
        return;
    }
    const std::wstring name = VcpValueName(list.code, current & 0xFFu);
    LogEvent(kNoDevice, index, nullptr, kLogNoOutcome, name.c_str());
    entry.*list.currentName = name;
    if (list.code == kVcpColourTemp) {
        entry.colourTempIsUser = ContainsUserNoCase(name);
    }
}

void ReadCapabilities(MonitorEntry& entry, std::int32_t index, const PhysicalMonitor& monitor) {
    FetchCapabilities(entry, index, monitor);
    const std::wstring model = CapsModel(entry.capabilities);
    if (!model.empty()) {
        entry.capsModel = model;
    }
    if (CapsListsCode(entry.capabilities, "6B")) {
        entry.supports6B = true;
    }
    if (CapsListsCode(entry.capabilities, "C0")) {
        std::uint32_t hours = 0;
        if (VcpWithRetries(monitor, index, 0xC0, L"VCP 0xC0 Get Monitor Usage-Time", kVcpListAttempts, hours)) {
            entry.usageHours = static_cast<std::int32_t>(hours);
            LogValues(index, L"Monitor Usage-Time (hours)  %d", entry.usageHours);
        }
    }
    for (const ValueListRead& list : kValueLists) {
        ReadValueList(entry, index, monitor, list);
    }
}

struct GainRead {
    GainKind kind;
    const wchar_t* logName;
    const wchar_t* valuesFormat;
    std::int32_t MonitorEntry::*minimum;
    std::int32_t MonitorEntry::*value;
    std::int32_t MonitorEntry::*maximum;
};

constexpr GainRead kGains[] = {
    {GainKind::Red, L"GetMonitorGain_RED", L"MinimumRED %d  CurrentRED %d  MaximumRED %d", &MonitorEntry::redMin,
     &MonitorEntry::red, &MonitorEntry::redMax},
    {GainKind::Green, L"GetMonitorGain_GREEN", L"MinimumGREEN %d  CurrentGREEN %d  MaximumGREEN %d",
     &MonitorEntry::greenMin, &MonitorEntry::green, &MonitorEntry::greenMax},
    {GainKind::Blue, L"GetMonitorGain_Blue", L"MinimumBLUE %d  CurrentBLUE %d  MaximumBLUE %d",
     &MonitorEntry::blueMin, &MonitorEntry::blue, &MonitorEntry::blueMax},
};

void ReadGain(MonitorEntry& entry, std::int32_t index, const PhysicalMonitor& monitor, const GainRead& gain) {
    ReadWithRetries(kGainAttempts, [&] {
        std::uint32_t minimum = 0, current = 0, maximum = 0;
        const bool ok = DdcGetGain(monitor.handle, gain.kind, minimum, current, maximum);
        LogEvent(DeviceId(monitor), index, gain.logName, ok ? 1 : 0, nullptr);
        if (!ok || maximum == minimum) {
            return ReadResult{ok, false};
        }
        LogValues(index, gain.valuesFormat, static_cast<int>(minimum), static_cast<int>(current),
                  static_cast<int>(maximum));
        entry.*gain.minimum = static_cast<std::int32_t>(minimum);
        entry.*gain.maximum = static_cast<std::int32_t>(maximum);
        entry.*gain.value = RawToScaled(static_cast<std::int32_t>(current), entry.*gain.minimum,
                                        entry.*gain.maximum, 255);
        return ReadResult{true, true};
    });
}

void ReadSpeaker(MonitorEntry& entry, std::int32_t index, const PhysicalMonitor& monitor) {
    ReadWithRetries(kSpeakerAttempts, [&] {
        std::uint32_t current = 0, maximum = 0;
        const bool ok = ReadVcp(monitor, index, 0x62, L"VCP 0x62 Get Monitor Volume", current, maximum);
        current &= 0xFFu;
        maximum &= 0xFFu;
        if (!ok || maximum == 0) {
            return ReadResult{ok, false};
        }
        // Some monitors without a speaker report 255.
        if (current == 0xFFu) {
            current = 0;
        }
        LogValues(index, L"current Volume %d  maximum Volume %d", static_cast<int>(current), static_cast<int>(maximum));
        entry.speakerVolumeMax = static_cast<std::int32_t>(maximum);
        entry.speakerVolume = MulDiv(static_cast<std::int32_t>(current), 100, entry.speakerVolumeMax);
        return ReadResult{true, true};
    });
}

}  // namespace

void DecideProbe(MonitorEntry& entry, ProbePolicy& policy) {
    policy = ProbePolicy{};
    if (entry.contrastMax == 0 && !g_monitors.startupPass) {
        policy = ProbePolicy{1, 0};
    }
    g_monitors.lastPassOk = entry.ddcCapable || entry.contrastMax != 0;
    entry.ddcState = g_monitors.lastPassOk ? 0 : 2;
    if (g_settings.rereadvalues || g_monitors.forceReread) {
        entry.ddcState = 2;
    }
}

void ProbeMonitor(MonitorEntry& entry, std::int32_t index, const PhysicalMonitor& monitor, const ProbePolicy& policy) {
    const KnownMonitor* known = KnownMonitorOf(entry);
    const bool use6B = known != nullptr && known->use6B != 0;
    if (entry.ddcState != 2 || (known != nullptr && known->ignoremonitor != 0)) {
        return;
    }
    const bool laterLaptop = IsLaterPassLaptop(entry);
    if (!laterLaptop) {
        ReadBrightness(entry, index, monitor, policy, use6B);
        if (g_monitors.lastPassOk) {
            ReadContrast(entry, index, monitor);
        }
    }
    if (g_monitors.quickRecheck || !g_monitors.lastPassOk) {
        return;
    }
    ReadPowerState(entry, index, monitor);
    if (g_monitors.powerRecheck) {
        return;
    }
    ReadCapabilities(entry, index, monitor);
    for (const GainRead& gain : kGains) {
        ReadGain(entry, index, monitor, gain);
    }
    ReadSpeaker(entry, index, monitor);
}

void ConcludeProbe(MonitorEntry& entry, std::int32_t index) {
    if (!g_monitors.lastPassOk && !entry.ddcCapable) {
        // Only a candidate: laptopFound is raised by the panel read when WMI finds the panel.
        entry.isLaptopPanel = true;
    }
    if (entry.isLaptopPanel) {
        ReadPanelBrightness(index);
    }
    if (entry.isLaptopPanel && g_monitors.laptopFound) {
        entry.powerOn = true;
    } else if (!g_monitors.lastPassOk) {
        entry.powerOn = false;
    }
}
