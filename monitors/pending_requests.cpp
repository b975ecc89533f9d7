#include "monitors/pending_requests.h"

#include <cstdarg>
#include <cwchar>
#include <utility>

#include "log/event_log.h"
#include "monitors/monitor_list.h"
#include "monitors/monitor_table.h"
#include "platform/clock.h"
#include "platform/main_window.h"
#include "res/resource.h"
#include "settings/settings_keys.h"
#include "settings/texts.h"
#include "settings/ui_language.h"
#include "vcp/value_names.h"
#include "vcp/vcp_code_table.h"

namespace {

VcpMessage g_vcpMessage;

constexpr std::uint8_t kVcpFactoryReset = 0x04;
constexpr std::uint8_t kVcpPowerMode = 0xD6;
constexpr std::uint32_t kPowerOn = 1;
constexpr std::uint32_t kPowerOff = 4;
constexpr std::uint32_t kVcpMessageDelayMs = 10;
constexpr std::uint32_t kPowerRecheckDelayMs = 10000;

std::uint32_t LogId(const PhysicalMonitor& monitor) { return static_cast<std::uint32_t>(monitor.handle); }

struct NamedValueRequest {
    std::uint8_t code;
    const wchar_t* logText;
    std::uint32_t settleMs;    // the monitor rebuilds its picture before it answers again
    ProbePolicy probe;         // the full re-read that follows
};

constexpr NamedValueRequest kColourTempRequest{kVcpColourTemp, L"VCP 0x14 Set Monitor color temperature", 1000, {3, 1500}};
constexpr NamedValueRequest kInputRequest{kVcpInput, L"VCP 0x60 Set Monitor input", 2000, {10, 1500}};
constexpr NamedValueRequest kPresetRequest{kVcpPreset, L"VCP 0xDC Set Monitor preset", 2000, {10, 1500}};

// Writes a named value with ten attempts; returns the name on success through name.
bool WriteNamedValue(const NamedValueRequest& request, std::int32_t value, std::int32_t index,
                     const PhysicalMonitor& monitor, ProbePolicy& policy, MonitorEntry& entry, std::wstring& name) {
    if (value < 0 || value > 255) return false;
    const wchar_t* valueName = VcpValueName(request.code, static_cast<std::uint32_t>(value));
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (attempt > 0) ClockSleep(100);
        const bool ok = DdcSetVcpFeature(monitor.handle, request.code, static_cast<std::uint32_t>(value));
        if (!LogEvent(LogId(monitor), index, request.logText, ok, valueName)) continue;
        ClockSleep(request.settleMs);
        name = valueName;
        policy = request.probe;
        entry.ddcState = 2;
        return true;
    }
    return false;
}

void RunFactoryReset(MonitorEntry& entry, std::int32_t index, const PhysicalMonitor& monitor, ProbePolicy& policy) {
    entry.pendingFactoryReset = false;
    const bool ok = DdcSetVcpFeature(monitor.handle, kVcpFactoryReset, 1);
    LogEvent(LogId(monitor), index, L"VCP 0x04 Restore Monitor Factory Defaults", ok, nullptr);
    ClockSleep(4000);
    policy = {10, 1500};
    entry.ddcState = 2;
}

void RunGenericSet(MonitorEntry& entry, std::int32_t index, const PhysicalMonitor& monitor) {
    const std::int32_t code = std::exchange(entry.pendingSetCode, -1);
    if (!IsProbeable(code)) return;
    const std::wstring text = FormatWide(L"setVCP 0x%02X value %d", code, entry.pendingSetValue);
    for (int attempt = 0; attempt < 5; ++attempt) {
        if (attempt > 0) ClockSleep(50);
        const bool ok = DdcSetVcpFeature(monitor.handle, static_cast<std::uint8_t>(code),
                                         static_cast<std::uint32_t>(entry.pendingSetValue));
        if (LogEvent(LogId(monitor), index, text.c_str(), ok, nullptr)) return;
    }
}

void RunGenericGet(MonitorEntry& entry, std::int32_t index, const PhysicalMonitor& monitor) {
    const std::int32_t code = std::exchange(entry.pendingGetCode, -1);
    const VcpReadOptions options = std::exchange(entry.pendingGetOptions, {});
    if (!IsProbeable(code)) return;
    const auto vcp = static_cast<std::uint8_t>(code);
    const std::wstring text = FormatWide(L"getVCP 0x%02X", code);
    const int attempts = options.singleAttempt ? 1 : 3;
    for (int attempt = 0; attempt < attempts; ++attempt) {
        if (attempt > 0) ClockSleep(10);
        std::uint32_t current = 0, maximum = 0;
        const bool ok = DdcGetVcpFeature(monitor.handle, vcp, current, maximum);
        if (!LogEvent(LogId(monitor), index, text.c_str(), ok, nullptr)) continue;
        entry.getResultCurrent = static_cast<std::int32_t>(current);
        entry.getResultMax = static_cast<std::int32_t>(maximum);
        entry.getResultCopy = entry.getResultCurrent;
        LogEvent(LogId(monitor), index, nullptr, kLogNoOutcome,
                 FormatWide(L"current value (decimal)  %d   maximum value (decimal)  %d", entry.getResultCurrent,
                            entry.getResultMax)
                     .c_str());
        if (!options.noMessage) {
            const wchar_t* pattern = UiText(TextId::VcpReadResult);
            PrepareVcpMessage(text,
                              FormatWide(pattern, code, entry.displayName.c_str(), VcpCodeDisplayName(vcp).c_str(),
                                         entry.getResultCurrent, entry.getResultMax),
                              false);
        }
        return;
    }
    if (options.noMessage) return;
    const wchar_t* pattern = UiText(TextId::VcpReadFailed);
    PrepareVcpMessage(text, FormatWide(pattern, entry.displayName.c_str(), VcpCodeDisplayName(vcp).c_str(), code), true);
}

}  // namespace

std::wstring FormatWide(const wchar_t* format, ...) {
    wchar_t buffer[1024];
    va_list args;
    va_start(args, format);
    const int written = std::vswprintf(buffer, sizeof buffer / sizeof buffer[0], format, args);
    va_end(args);
    return written < 0 ? std::wstring() : std::wstring(buffer, static_cast<std::size_t>(written));
}

std::wstring VcpCodeDisplayName(std::uint8_t code) {
    const std::string_view name = VcpLookup(code).name.substr(0, 35);
    // The table's names are plain ASCII; each byte is one character.
    return std::wstring(name.begin(), name.end());
}

void PrepareVcpMessage(std::wstring title, std::wstring text, bool failure) {
    g_vcpMessage = {std::move(title), std::move(text), failure};
    MainWindowSetTimer(kTimerVcpMessage, kVcpMessageDelayMs);
}

const VcpMessage& PreparedVcpMessage() { return g_vcpMessage; }

void ClearPreparedVcpMessage() { g_vcpMessage = VcpMessage{}; }

void ExecutePendingRequests(MonitorEntry& entry, std::int32_t index, const PhysicalMonitor& monitor, ProbePolicy& policy) {
    if (entry.pendingFactoryReset) RunFactoryReset(entry, index, monitor, policy);

    std::wstring name;
    if (WriteNamedValue(kColourTempRequest, std::exchange(entry.pendingColourTemp, -1), index, monitor, policy, entry, name)) {
        entry.colourTempName = name;
        entry.colourTempIsUser = TextContainsNoCase(name, L"user");
    }
    if (WriteNamedValue(kInputRequest, std::exchange(entry.pendingInput, -1), index, monitor, policy, entry, name)) {
        entry.inputName = name;
    }
    if (WriteNamedValue(kPresetRequest, std::exchange(entry.pendingPreset, -1), index, monitor, policy, entry, name)) {
        entry.presetName = name;
    }
    RunGenericSet(entry, index, monitor);
    RunGenericGet(entry, index, monitor);
}

void PowerToggle(MonitorEntry& entry, std::int32_t index, const PhysicalMonitor& monitor) {
    entry.pendingPowerToggle = false;
    std::uint32_t state = 0, maximum = 0;
    bool read = false;
    for (int attempt = 0; attempt < 10 && !read; ++attempt) {
        if (attempt > 0) ClockSleep(100);
        read = LogEvent(LogId(monitor), index, L"VCP 0xD6 Get Power Mode",
                        DdcGetVcpFeature(monitor.handle, kVcpPowerMode, state, maximum), nullptr);
    }
    const bool toggleable = read && (state == kPowerOn || state == kPowerOff);
    bool toggled = false;
    for (int round = 0; round < 10 && toggleable && !toggled; ++round) {
        ClockSleep(100);
        const std::uint32_t next = state == kPowerOn ? kPowerOff : kPowerOn;
        toggled = LogEvent(LogId(monitor), index, L"VCP 0xD6 Set Power Mode", DdcSetVcpFeature(monitor.handle, kVcpPowerMode, next),
                           next == kPowerOff ? L"Power Off" : L"Power On");
    }
    // A monitor that refused the switch keeps the state it reported.
    entry.powerOn = toggled ? state == kPowerOff : (read && state == kPowerOn);
    MonitorListSetChecked(index, entry.powerOn);
    MainWindowSetTimer(kTimerPowerRecheck, kPowerRecheckDelayMs);
}
