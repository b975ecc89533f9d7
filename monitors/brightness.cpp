#include "monitors/brightness.h"

#include <algorithm>
#include <cmath>
#include <cwctype>
#include <optional>

#include "log/event_log.h"
#include "monitors/known_monitors.h"
#include "monitors/laptop_panel.h"
#include "monitors/monitor_list.h"
#include "monitors/monitor_table.h"
#include "monitors/panel_refresh.h"
#include "monitors/percent.h"
#include "monitors/visit.h"
#include "platform/clock.h"
#include "platform/control_panel.h"
#include "platform/main_window.h"
#include "res/resource.h"
#include "settings/settings.h"
#include "settings/settings_keys.h"
#include "settings/ui_language.h"
#include "platform/requests.h"

BrightnessState g_brightness;

namespace {

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
    std::uint32_t BrightnessState::*requested;
    bool (*write)(PhysicalMonitorHandle, std::uint32_t);
    bool (*read)(PhysicalMonitorHandle, std::uint32_t&, std::uint32_t&, std::uint32_t&);
    const wchar_t* writeText;
    const wchar_t* verifyText;
    const wchar_t* newValueText;
    int column;
    int sliderId;
    int labelId;
    const wchar_t* captionEnglish;
    const wchar_t* captionGerman;
    NotificationKind notification;
};

constexpr SettingInfo kBrightness{
    true, &MonitorEntry::brightnessMin, &MonitorEntry::brightness, &MonitorEntry::brightnessMax,
    &MonitorEntry::brightnessLimitMin, &MonitorEntry::brightnessLimitMax, &KnownMonitor::MonitorBrightness,
    &BrightnessState::requestedBrightness, DdcSetBrightness, DdcGetBrightness, L"SetMonitorBrightness",
    L"GetMonitorBrightness_after_SetMonitorBrightness_verify", L"new brightness value", kColumnBrightness,
    kSliderBrightness, kLabelBrightness, L"Brightness ", L"Helligkeit ", NotificationKind::Brightness};

constexpr SettingInfo kContrast{
    false, &MonitorEntry::contrastMin, &MonitorEntry::contrast, &MonitorEntry::contrastMax,
    &MonitorEntry::contrastLimitMin, &MonitorEntry::contrastLimitMax, &KnownMonitor::MonitorContrast,
    &BrightnessState::requestedContrast, DdcSetContrast, DdcGetContrast, L"SetMonitorContrast",
    L"GetMonitorContrast_after_SetMonitorContrast_verify", L"new contrast value", kColumnContrast, kSliderContrast, kLabelContrast,
    L"Contrast ", L"Kontrast ", NotificationKind::Contrast};

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

void ShowLabel(const SettingInfo& info, std::int32_t value) {
    ControlSetText(info.labelId, std::wstring(UiIsGerman() ? info.captionGerman : info.captionEnglish) + std::to_wstring(value));
}

// Reads back what was written; true only when the monitor confirms the requested percent.
// The entry is touched only then, so a mismatch leaves the last known value showing.
bool VerifyWrite(const SettingInfo& info, MonitorEntry& entry, std::int32_t index, const PhysicalMonitor& monitor,
                 bool backlightWhite) {
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
        if (percent != static_cast<std::int32_t>(g_brightness.*info.requested)) return false;
        entry.*info.minimum = static_cast<std::int32_t>(minimum);
        entry.*info.maximum = static_cast<std::int32_t>(maximum);
        entry.*info.value = percent;
        return true;
    }
    return false;
}

// Writes the requested value to the visited monitor; returns whether the entry now holds it.
bool WriteStep(const SettingInfo& info, std::int32_t index, const PhysicalMonitor& monitor, bool transfer) {
    MonitorEntry& entry = EntryAt(index);
    std::uint32_t& requested = g_brightness.*info.requested;
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
        } else if (!VerifyWrite(info, entry, index, monitor, backlightWhite)) {
            return false;
        }
    }
    if (!g_monitors.lastPassOk && !g_monitors.laptopFound) return false;

    g_brightness.writeDone = true;
    g_brightness.valueChanged = true;
    if (info.isBrightness && !g_settings.checkambient && !transfer) MainWindowSetTimer(kTimerBrightnessTransfer, 10);
    const std::wstring shown = std::to_wstring(entry.*info.value);
    MonitorListSetCell(index, info.column, shown);
    if (g_monitors.lastPassOk) LogEvent(LogId(monitor), index, info.newValueText, kLogNoOutcome, shown.c_str());
    ShowLabel(info, entry.*info.value);
    UpdateIcons();
    return true;
}

// One walk to the selected monitor. A value already shown is not sent again unless
// rereadvalues asks for it, so a repeated request costs no monitor traffic at all.
void WriteSelectedOnce(const SettingInfo& info, bool transfer) {
    const std::int32_t index = g_monitors.selectedMonitor;
    if (!IsTableIndex(index)) return;
    g_brightness.writeDone = false;
    if (!g_settings.rereadvalues && static_cast<std::int32_t>(g_brightness.*info.requested) == EntryAt(index).*info.value) {
        g_brightness.writeDone = true;
        return;
    }
    VisitMonitor(index, [&](const PhysicalMonitor& monitor) { return WriteStep(info, index, monitor, transfer); });
}

void WriteSelected(const SettingInfo& info) {
    for (int attempt = 0; attempt < kSetterWriteAttempts; ++attempt) {
        WriteSelectedOnce(info, false);
        if (g_brightness.writeDone) return;
        ClockSleep(kSetterWritePauseMs);
    }
}

void SetValue(const SettingInfo& info, std::uint32_t percent) {
    const std::int32_t selected = g_monitors.selectedMonitor;
    if (!IsTableIndex(selected)) return;
    const MonitorEntry& limits = EntryAt(selected);
    std::int64_t value = std::max<std::int64_t>(percent, limits.*info.limitMin);
    value = std::min<std::int64_t>(value, limits.*info.limitMax);
    g_brightness.*info.requested = static_cast<std::uint32_t>(std::max<std::int64_t>(value, 0));

    WriteSelectedOrEveryRow([&info] { WriteSelected(info); });

    const MonitorEntry& entry = EntryAt(selected);
    ControlSetSlider(info.sliderId, 100 - entry.*info.value);
    ControlPanelRedraw();

    const bool rowAnswers = !MonitorListCell(selected, kColumnBrightness).starts_with(L"?");
    if (rowAnswers && !g_monitors.startupPass && entry.*info.maximum != 0) {
        if (KnownMonitor* known = KnownFor(entry)) known->*info.remembered = entry.*info.value;
    }
    const bool panelShowsItself = info.isBrightness && entry.isLaptopPanel;
    if (!g_monitors.startupPass && !panelShowsItself && !g_brightness.restoreHold) ShowNotification(info.notification);

    // Paces auto-repeated hotkeys and wheel steps.
    if (!ControlPanelIsVisible() && (g_settings.repeatmouse > 10 || g_settings.repeatkeyboard >= 11)) {
        ClockSleep(kRepeatPacingMs);
    }
}

void NoteReadBrightness(const MonitorEntry& entry) {
    g_brightness.readOk = true;
    if (entry.brightness != g_brightness.previousBrightness) g_brightness.valueChanged = true;
}

bool ReadStep(std::int32_t index, const PhysicalMonitor& monitor) {
    MonitorEntry& entry = EntryAt(index);
    g_brightness.previousBrightness = entry.brightness;
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
            NoteReadBrightness(entry);
        }
        return true;
    }
    ReadPanelBrightness(index);
    if (g_monitors.laptopFound && entry.isLaptopPanel) NoteReadBrightness(entry);
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

void ShowBrightnessOf(std::int32_t index) {
    const std::int32_t value = EntryAt(index).brightness;
    ShowLabel(kBrightness, value);
    ControlSetSlider(kSliderBrightness, 100 - value);
}

// The offset and the factors come from the settings file unchecked: the sum is taken wide and
// the product bounded before rounding, where a huge one would not fit a long.
std::uint32_t TransferTarget(std::int32_t sourceBrightness) {
    const std::int64_t target = std::clamp<std::int64_t>(std::int64_t{sourceBrightness} + g_settings.offset_brightness, 0, 100);
    const std::size_t band = target < 25 ? 0 : target < 50 ? 1 : target < 75 ? 2 : 3;
    const float scaled = static_cast<float>(target) * g_settings.div[band];
    return static_cast<std::uint32_t>(std::lround(std::clamp(scaled, 0.0f, 100.0f)));
}

void TransferTo(std::int32_t destination, std::int32_t remembered) {
    g_monitors.selectedMonitor = destination;
    WriteSelectedOnce(kBrightness, true);
    if (g_brightness.valueChanged && destination != remembered) ShowBrightnessOf(remembered);
    ControlSetSlider(kSliderBrightness, 100 - EntryAt(remembered).brightness);
    ControlPanelRedraw();
}

}  // namespace

void WriteSelectedOrEveryRow(const std::function<void()>& write) {
    if (!g_settings.samevalues) {
        write();
        return;
    }
    const std::int32_t selected = g_monitors.selectedMonitor;
    const std::int32_t rows = MonitorListRowCount();
    for (std::int32_t row = 0; row < rows; ++row) {
        g_monitors.selectedMonitor = row;
        write();
    }
    g_monitors.selectedMonitor = selected;
}

void SetBrightness(std::uint32_t percent) { SetValue(kBrightness, percent); }

void SetContrast(std::uint32_t percent) { SetValue(kContrast, percent); }

void SaveMonitorSettings(PhysicalMonitorHandle monitor, std::int32_t index) {
    if (!g_settings.savenonvolatile) return;
    LogEvent(static_cast<std::uint32_t>(monitor), index, L"SaveCurrentMonitorSettings",
             DdcSaveCurrentMonitorSettings(monitor), nullptr);
}

void ReadSelectedBrightness() {
    const std::int32_t index = g_monitors.selectedMonitor;
    if (!IsTableIndex(index)) return;
    VisitMonitor(index, [index](const PhysicalMonitor& monitor) { return ReadStep(index, monitor); });
}

void SelectMonitorByText(const std::wstring& text) {
    const std::optional<std::int32_t> row = text.size() == 1 ? RowFromDigit(text) : RowFromName(text);
    if (!row) return;
    g_monitors.selectedMonitor = *row;
    const std::wstring& brightness = MonitorListCell(*row, kColumnBrightness);
    if (!brightness.empty() && std::iswdigit(brightness[0])) ReadSelectedBrightness();
}

void TransferBrightness() {
    const std::int32_t remembered = g_monitors.selectedMonitor;
    const std::wstring& destinations = g_settings.destination_brightness;
    if (!g_settings.transferbrightness || destinations.empty() || !IsTableIndex(remembered)) return;

    g_brightness.readOk = false;
    SelectMonitorByText(g_settings.source_brightness);
    const std::int32_t source = g_monitors.selectedMonitor;
    if (!g_brightness.readOk) {
        g_monitors.selectedMonitor = remembered;
        return;
    }
    const std::int32_t sourceBrightness = EntryAt(source).brightness;
    if (g_brightness.valueChanged) {
        MonitorListSetCell(source, kColumnBrightness, std::to_wstring(sourceBrightness));
        if (source == remembered) {
            ShowBrightnessOf(source);
            UpdateIcons();
        }
        ControlPanelRedraw();
    }
    g_brightness.requestedBrightness = TransferTarget(sourceBrightness);

    if (destinations == L"*") {
        for (std::int32_t row = 0; row < std::min(MonitorListRowCount(), kMonitorCount); ++row) {
            if (row != source) TransferTo(row, remembered);
        }
    } else if (const std::optional<std::int32_t> row = IsSingleDigit(destinations) ? RowFromDigit(destinations)
                                                                                  : RowFromName(destinations)) {
        TransferTo(*row, remembered);
    }
    g_brightness.valueChanged = false;
    g_monitors.selectedMonitor = remembered;
}
