#include "monitors/brightness.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "log/event_log.h"
#include "monitors/known_monitors.h"
#include "monitors/laptop_panel.h"
#include "monitors/monitor_list.h"
#include "monitors/monitor_table.h"
#include "monitors/percent.h"
#include "monitors/visit.h"
#include "platform/clock.h"
#include "platform/control_panel.h"
#include "platform/main_window.h"
#include "res/resource.h"
#include "settings/settings.h"
#include "settings/settings_keys.h"
#include "platform/requests.h"

namespace {

bool g_balloonsHeld = false;

constexpr std::uint8_t kVcpBacklightWhite = 0x6B;
constexpr std::uint32_t kRepeatPacingMs = 30;

// What differs between the brightness and the contrast setter.
struct SettingInfo {
    bool isBrightness;
    std::int32_t MonitorEntry::*minimum;
    std::int32_t MonitorEntry::*value;
    std::int32_t MonitorEntry::*maximum;
    std::int32_t MonitorEntry::*limitMin;
    std::int32_t MonitorEntry::*limitMax;
    std::int32_t KnownMonitor::*remembered;
    bool (*write)(PhysicalMonitorHandle, std::uint32_t);
    bool (*read)(PhysicalMonitorHandle, std::uint32_t&, std::uint32_t&, std::uint32_t&);
    const wchar_t* writeText;
    const wchar_t* verifyText;
    const wchar_t* newValueText;
    PanelValue panelValue;
    NotificationKind notification;
};

constexpr SettingInfo kBrightness{
    true, &MonitorEntry::brightnessMin, &MonitorEntry::brightness, &MonitorEntry::brightnessMax,
    &MonitorEntry::brightnessLimitMin, &MonitorEntry::brightnessLimitMax, &KnownMonitor::MonitorBrightness,
    DdcSetBrightness, DdcGetBrightness, L"SetMonitorBrightness", L"GetMonitorBrightness_after_SetMonitorBrightness_verify",
    L"new brightness value", PanelValue::Brightness, NotificationKind::Brightness};

constexpr SettingInfo kContrast{
    false, &MonitorEntry::contrastMin, &MonitorEntry::contrast, &MonitorEntry::contrastMax,
    &MonitorEntry::contrastLimitMin, &MonitorEntry::contrastLimitMax, &KnownMonitor::MonitorContrast,
    DdcSetContrast, DdcGetContrast, L"SetMonitorContrast", L"GetMonitorContrast_after_SetMonitorContrast_verify",
    L"new contrast value", PanelValue::Contrast, NotificationKind::Contrast};

std::uint32_t LogId(const PhysicalMonitor& monitor) { return static_cast<std::uint32_t>(monitor.handle); }

bool IsTableIndex(std::int32_t index) { return index >= 0 && index < kMonitorCount; }

MonitorEntry& EntryAt(std::int32_t index) { return g_monitors.entries[static_cast<std::size_t>(index)]; }

// The KnownMonitor slot bound to the entry; none in duplicate mode, where entries have no identity.
KnownMonitor* KnownFor(const MonitorEntry& entry) {
    if (g_monitors.cloneMode) return nullptr;
    const std::int32_t slot = FindKnownMonitor(entry.deviceUid);
    return slot >= 0 && slot < kKnownMonitorSlots ? &g_settings.known[static_cast<std::size_t>(slot)] : nullptr;
}

// Monitors whose DDC brightness does nothing are driven through VCP 0x6B with the percent itself.
bool UsesBacklightWhite(const MonitorEntry& entry) {
    const KnownMonitor* known = KnownFor(entry);
    return known != nullptr && known->use6B != 0;
}

// Reads back what was written; true only when the monitor confirms the requested percent.
// The entry is touched only then, so a mismatch leaves the last known value showing.
bool VerifyWrite(const SettingInfo& info, MonitorEntry& entry, std::int32_t index, const PhysicalMonitor& monitor,
                 bool backlightWhite, std::uint32_t requested) {
    for (int attempt = 0; attempt < kSetterVerifyAttempts; ++attempt) {
        if (attempt > 0) ClockSleep(kSetterVerifyPauseMs);
        auto minimum = static_cast<std::uint32_t>(entry.*info.minimum);
        std::uint32_t current = 0, maximum = 0;
        bool ok = false;
        if (backlightWhite) {
            ok = DdcGetVcpFeature(monitor.handle, kVcpBacklightWhite, current, maximum);
            LogEvent(LogId(monitor), index, L"GetBackLightWhite_after_SetMonitorBrightness_verify", ok, nullptr);
        } else {
            ok = info.read(monitor.handle, minimum, current, maximum);
            LogEvent(LogId(monitor), index, info.verifyText, ok, nullptr);
        }
        if (!ok) continue;
        if (maximum == minimum) return false;
        const std::int32_t percent = RawToScaled(static_cast<std::int32_t>(current), static_cast<std::int32_t>(minimum),
                                                 static_cast<std::int32_t>(maximum));
        if (percent != static_cast<std::int32_t>(requested)) return false;
        entry.*info.minimum = static_cast<std::int32_t>(minimum);
        entry.*info.maximum = static_cast<std::int32_t>(maximum);
        entry.*info.value = percent;
        return true;
    }
    return false;
}

// Writes the requested value to the visited monitor; returns whether the entry now holds it.
bool WriteStep(const SettingInfo& info, std::int32_t index, const PhysicalMonitor& monitor, bool transfer,
               std::uint32_t requested) {
    MonitorEntry& entry = EntryAt(index);
    requested = std::min<std::uint32_t>(requested, 100);
    g_monitors.laptopFound = false;
    g_monitors.lastPassOk = false;

    if (info.isBrightness && entry.isLaptopPanel) {
        SetPanelBrightness(requested);
    } else {
        const bool backlightWhite = info.isBrightness && UsesBacklightWhite(entry);
        bool ok = false;
        if (backlightWhite) {
            ok = LogEvent(LogId(monitor), index, L"SetBackLightWhite",
                          DdcSetVcpFeature(monitor.handle, kVcpBacklightWhite, requested), nullptr);
        } else {
            const std::int32_t raw = ScaledToRaw(static_cast<std::int32_t>(requested), entry.*info.minimum, entry.*info.maximum);
            ok = LogEvent(LogId(monitor), index, info.writeText, info.write(monitor.handle, static_cast<std::uint32_t>(raw)),
                          nullptr);
        }
        g_monitors.lastPassOk = ok;
        if (!ok) return false;
        SaveMonitorSettings(monitor.handle, index);
        if (!g_settings.verify) {
            entry.*info.value = static_cast<std::int32_t>(requested);
        } else if (!VerifyWrite(info, entry, index, monitor, backlightWhite, requested)) {
            return false;
        }
    }
    if (!g_monitors.lastPassOk && !g_monitors.laptopFound) return false;

    entry.answered = true;
    if (info.isBrightness && !g_settings.checkambient && !transfer) MainWindowSetTimer(kTimerBrightnessTransfer, 10);
    if (g_monitors.lastPassOk) {
        LogEvent(LogId(monitor), index, info.newValueText, kLogNoOutcome, std::to_wstring(entry.*info.value).c_str());
    }
    return true;
}

struct WriteOutcome {
    bool done = false;     // the write reached the target and finished, or had nothing to do
    bool changed = false;  // the entry now holds a newly written value
};

// One walk to the selected monitor. A value already shown is not sent again unless
// rereadvalues asks for it, so a repeated request costs no monitor traffic at all.
WriteOutcome WriteSelectedOnce(const SettingInfo& info, bool transfer, std::uint32_t requested) {
    const std::int32_t index = g_monitors.selectedMonitor;
    if (!IsTableIndex(index)) return {};
    if (!g_settings.rereadvalues && static_cast<std::int32_t>(requested) == EntryAt(index).*info.value) return {true, false};
    WriteOutcome outcome;
    VisitMonitor(index, [&](const PhysicalMonitor& monitor) {
        outcome.changed = WriteStep(info, index, monitor, transfer, requested);
        outcome.done = outcome.changed;
        return outcome.changed;
    });
    return outcome;
}

// True when the entry now holds a newly written value.
bool WriteSelected(const SettingInfo& info, std::uint32_t requested) {
    for (int attempt = 0; attempt < kSetterWriteAttempts; ++attempt) {
        const WriteOutcome outcome = WriteSelectedOnce(info, false, requested);
        if (outcome.done) return outcome.changed;
        ClockSleep(kSetterWritePauseMs);
    }
    return false;
}

std::uint32_t RowBit(std::int32_t row) { return 1u << static_cast<std::uint32_t>(row); }

void SetValue(const SettingInfo& info, std::uint32_t percent, bool followSameValues) {
    const std::int32_t selected = g_monitors.selectedMonitor;
    if (!IsTableIndex(selected)) return;
    const MonitorEntry& limits = EntryAt(selected);
    std::int64_t value = std::max<std::int64_t>(percent, limits.*info.limitMin);
    value = std::min<std::int64_t>(value, limits.*info.limitMax);
    const auto requested = static_cast<std::uint32_t>(std::max<std::int64_t>(value, 0));

    const auto write = [&info, requested] { return WriteSelected(info, requested); };
    const std::uint32_t changedRows =
        followSameValues ? WriteSelectedOrEveryRow(write) : (write() ? RowBit(selected) : 0);

    const MonitorEntry& entry = EntryAt(selected);
    if (entry.answered && !g_monitors.startupPass && entry.*info.maximum != 0) {
        if (KnownMonitor* known = KnownFor(entry)) known->*info.remembered = entry.*info.value;
    }
    const bool panelShowsItself = info.isBrightness && entry.isLaptopPanel;
    PanelShowChange(info.panelValue, changedRows, !g_monitors.startupPass && !panelShowsItself && !g_balloonsHeld);

    // Paces auto-repeated hotkeys and wheel steps.
    if (!ControlPanelIsVisible() && (g_settings.repeatmouse > 10 || g_settings.repeatkeyboard >= 11)) {
        ClockSleep(kRepeatPacingMs);
    }
}

bool ReadStep(std::int32_t index, const PhysicalMonitor& monitor, BrightnessRead& result) {
    MonitorEntry& entry = EntryAt(index);
    const std::int32_t previous = entry.brightness;
    auto noteRead = [&] {
        result.read = true;
        result.changed = result.changed || entry.brightness != previous;
    };
    const bool backlightWhite = UsesBacklightWhite(entry);
    auto minimum = static_cast<std::uint32_t>(entry.brightnessMin);
    std::uint32_t current = 0, maximum = 0;
    bool ok = false;
    if (backlightWhite) {
        ok = LogEvent(LogId(monitor), index, L"GetBackLightWhite",
                      DdcGetVcpFeature(monitor.handle, kVcpBacklightWhite, current, maximum), nullptr);
    } else {
        ok = LogEvent(LogId(monitor), index, L"GetMonitorBrightness",
                      DdcGetBrightness(monitor.handle, minimum, current, maximum), nullptr);
    }
    g_monitors.lastPassOk = ok;
    if (ok) {
        entry.brightnessMin = static_cast<std::int32_t>(minimum);
        entry.brightnessMax = static_cast<std::int32_t>(maximum);
        // Without a range the raw value cannot become a percent; the last percent stays.
        if (maximum != minimum) {
            entry.brightness = RawToScaled(static_cast<std::int32_t>(current), entry.brightnessMin, entry.brightnessMax);
            noteRead();
        }
        return true;
    }
    ReadPanelBrightness(index);
    if (g_monitors.laptopFound && entry.isLaptopPanel) noteRead();
    return g_monitors.laptopFound;
}

bool IsSingleDigit(const std::wstring& text) { return text.size() == 1 && text[0] >= L'0' && text[0] <= L'9'; }

// Rows 1..9 by a single digit; none for other texts or rows that do not exist.
std::optional<std::int32_t> RowFromDigit(const std::wstring& text) {
    if (!IsSingleDigit(text) || text[0] == L'0') return std::nullopt;
    const std::int32_t row = text[0] - L'1';
    if (row >= MonitorListRowCount()) return std::nullopt;
    return row;
}

std::optional<std::int32_t> RowFromName(const std::wstring& text) {
    if (text.empty()) return std::nullopt;
    const std::int32_t rows = std::min(MonitorListRowCount(), kMonitorCount);
    for (std::int32_t row = 0; row < rows; ++row) {
        const MonitorEntry& entry = EntryAt(row);
        if (TextContainsNoCase(MonitorListCell(row, kColumnName), text) || TextContainsNoCase(entry.serialNumber, text) ||
            TextContainsNoCase(entry.capsModel, text)) {
            return row;
        }
    }
    return std::nullopt;
}

// The offset and the factors come from the settings file unchecked: the sum is taken wide and
// the product bounded before rounding, where a huge one would not fit a long.
std::uint32_t TransferTarget(std::int32_t sourceBrightness) {
    const std::int64_t target = std::clamp<std::int64_t>(std::int64_t{sourceBrightness} + g_settings.offset_brightness, 0, 100);
    const std::size_t band = target < 25 ? 0 : target < 50 ? 1 : target < 75 ? 2 : 3;
    const float scaled = static_cast<float>(target) * g_settings.div[band];
    return static_cast<std::uint32_t>(std::lround(std::clamp(scaled, 0.0f, 100.0f)));
}

// True when the destination now holds a newly written value.
bool TransferTo(std::int32_t destination, std::uint32_t target) {
    g_monitors.selectedMonitor = destination;
    return WriteSelectedOnce(kBrightness, true, target).changed;
}

}  // namespace

void BrightnessHoldBalloons(bool hold) { g_balloonsHeld = hold; }

bool BrightnessBalloonsHeld() { return g_balloonsHeld; }

std::uint32_t WriteSelectedOrEveryRow(const std::function<bool()>& write) {
    const std::int32_t selected = g_monitors.selectedMonitor;
    if (!g_settings.samevalues) return write() ? RowBit(selected) : 0;
    std::uint32_t changedRows = 0;
    const std::int32_t rows = std::min(MonitorListRowCount(), kMonitorCount);
    for (std::int32_t row = 0; row < rows; ++row) {
        g_monitors.selectedMonitor = row;
        if (write()) changedRows |= RowBit(row);
    }
    g_monitors.selectedMonitor = selected;
    return changedRows;
}

void SetBrightness(std::uint32_t percent) { SetValue(kBrightness, percent, true); }

void SetOwnBrightness(std::uint32_t percent) { SetValue(kBrightness, percent, false); }

void SetContrast(std::uint32_t percent) { SetValue(kContrast, percent, true); }

void SaveMonitorSettings(PhysicalMonitorHandle monitor, std::int32_t index) {
    if (!g_settings.savenonvolatile) return;
    LogEvent(static_cast<std::uint32_t>(monitor), index, L"SaveCurrentMonitorSettings",
             DdcSaveCurrentMonitorSettings(monitor), nullptr);
}

BrightnessRead ReadSelectedBrightness() {
    const std::int32_t index = g_monitors.selectedMonitor;
    BrightnessRead result;
    if (!IsTableIndex(index)) return result;
    VisitMonitor(index, [index, &result](const PhysicalMonitor& monitor) { return ReadStep(index, monitor, result); });
    return result;
}

BrightnessRead SelectMonitorByText(const std::wstring& text) {
    const std::optional<std::int32_t> row = text.size() == 1 ? RowFromDigit(text) : RowFromName(text);
    if (!row) return {};
    g_monitors.selectedMonitor = *row;
    return EntryAt(*row).answered ? ReadSelectedBrightness() : BrightnessRead{};
}

void TransferBrightness() {
    const std::int32_t remembered = g_monitors.selectedMonitor;
    const std::wstring& destinations = g_settings.destination_brightness;
    if (!g_settings.transferbrightness || destinations.empty() || !IsTableIndex(remembered)) return;

    const BrightnessRead sourceRead = SelectMonitorByText(g_settings.source_brightness);
    const std::int32_t source = g_monitors.selectedMonitor;
    if (!sourceRead.read) {
        g_monitors.selectedMonitor = remembered;
        return;
    }
    std::uint32_t changedRows = sourceRead.changed ? RowBit(source) : 0;
    const std::uint32_t target = TransferTarget(EntryAt(source).brightness);

    if (destinations == L"*") {
        for (std::int32_t row = 0; row < std::min(MonitorListRowCount(), kMonitorCount); ++row) {
            if (row != source && TransferTo(row, target)) changedRows |= RowBit(row);
        }
    } else if (const std::optional<std::int32_t> row = IsSingleDigit(destinations) ? RowFromDigit(destinations)
                                                                                  : RowFromName(destinations)) {
        if (TransferTo(*row, target)) changedRows |= RowBit(*row);
    }
    g_monitors.selectedMonitor = remembered;
    PanelShowChange(PanelValue::Brightness, changedRows, false);
}
