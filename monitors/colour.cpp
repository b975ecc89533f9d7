#include "monitors/colour.h"

#include <string>

#include "log/event_log.h"
#include "monitors/brightness.h"
#include "monitors/monitor_list.h"
#include "monitors/monitor_table.h"
#include "monitors/panel_refresh.h"
#include "monitors/percent.h"
#include "monitors/saturation.h"
#include "monitors/visit.h"
#include "platform/clock.h"
#include "platform/control_panel.h"
#include "platform/ddc.h"
#include "settings/settings.h"
#include "settings/ui_language.h"
#include "platform/requests.h"

namespace {

constexpr std::uint8_t kVcpSpeakerVolume = 0x62;

struct KindInfo {
    const wchar_t* setText;   // write, logged with its outcome
    const wchar_t* getText;   // verify read
    const wchar_t* newText;   // logged with the value after a write
    int sliderId;
    int labelId;
    const wchar_t* labelEnglish;
    const wchar_t* labelGerman;
    int sliderScale;  // the slider runs upside down: position = scale - value
    int listColumn;   // monitor list column of the value, -1 for none
    NotificationKind notification;
};

constexpr KindInfo kKinds[] = {
    {.setText = L"SetMonitorRED", .getText = L"GetMonitorRED", .newText = L"new RED value", .sliderId = kSliderRed,
     .labelId = kLabelRed, .labelEnglish = L"R", .labelGerman = L"R", .sliderScale = 255, .listColumn = kColumnRed,
     .notification = NotificationKind::Red},
    {.setText = L"SetMonitorGREEN", .getText = L"GetMonitorGREEN", .newText = L"new GREEN value", .sliderId = kSliderGreen,
     .labelId = kLabelGreen, .labelEnglish = L"G", .labelGerman = L"G", .sliderScale = 255, .listColumn = kColumnGreen,
     .notification = NotificationKind::Green},
    {.setText = L"SetMonitorBLUE", .getText = L"GetMonitorBLUE", .newText = L"new BLUE value", .sliderId = kSliderBlue,
     .labelId = kLabelBlue, .labelEnglish = L"B", .labelGerman = L"B", .sliderScale = 255, .listColumn = kColumnBlue,
     .notification = NotificationKind::Blue},
    {.setText = L"VCP 0x62 Set Monitor Volume", .getText = L"VCP 0x62 Get Monitor Volume",
     .newText = L"new Monitor Volume value", .sliderId = kSliderSpeaker, .labelId = kLabelSpeaker, .labelEnglish = L"V",
     .labelGerman = L"L", .sliderScale = 100, .listColumn = -1, .notification = NotificationKind::Speaker},
    {.setText = L"Set Saturation/Vibrance", .getText = nullptr, .newText = L"new Saturation value",
     .sliderId = kSliderSaturation, .labelId = kLabelSaturation, .labelEnglish = L"S", .labelGerman = L"F",
     .sliderScale = 100, .listColumn = -1, .notification = NotificationKind::Saturation},
};

struct ColourWrite {
    std::uint32_t requestedValue = 0;
    bool writeDone = false;
};

ColourWrite g_colourWrite;

const KindInfo& InfoOf(ColourKind kind) { return kKinds[static_cast<int>(kind)]; }

bool IsGain(ColourKind kind) { return kind == ColourKind::Red || kind == ColourKind::Green || kind == ColourKind::Blue; }

struct GainFields {
    std::int32_t* minimum;
    std::int32_t* value;
    std::int32_t* maximum;
};

GainFields GainOf(MonitorEntry& entry, ColourKind kind) {
    switch (kind) {
        case ColourKind::Red: return {&entry.redMin, &entry.red, &entry.redMax};
        case ColourKind::Green: return {&entry.greenMin, &entry.green, &entry.greenMax};
        default: return {&entry.blueMin, &entry.blue, &entry.blueMax};
    }
}

std::int32_t CurrentValue(const MonitorEntry& entry, ColourKind kind) {
    switch (kind) {
        case ColourKind::Red: return entry.red;
        case ColourKind::Green: return entry.green;
        case ColourKind::Blue: return entry.blue;
        case ColourKind::Speaker: return entry.speakerVolume;
        default: return entry.saturationInfo.current;
    }
}

std::uint32_t LogId(const PhysicalMonitor& monitor) { return static_cast<std::uint32_t>(monitor.handle); }

// Reads back what was written; false when no read with a usable range came.
bool VerifyGain(MonitorEntry& entry, std::int32_t index, const PhysicalMonitor& monitor, ColourKind kind) {
    for (int attempt = 0; attempt < kSetterVerifyAttempts; ++attempt) {
        if (attempt > 0) ClockSleep(kSetterVerifyPauseMs);
        std::uint32_t minimum = 0, current = 0, maximum = 0;
        const bool ok = DdcGetGain(monitor.handle, static_cast<GainKind>(kind), minimum, current, maximum);
        LogEvent(LogId(monitor), index, InfoOf(kind).getText, ok, nullptr);
        if (!ok) continue;
        if (maximum == minimum) return false;
        *GainOf(entry, kind).value = RawToScaled(static_cast<std::int32_t>(current), static_cast<std::int32_t>(minimum),
                                                 static_cast<std::int32_t>(maximum), 255);
        return true;
    }
    return false;
}

bool VerifySpeaker(MonitorEntry& entry, std::int32_t index, const PhysicalMonitor& monitor) {
    for (int attempt = 0; attempt < kSetterVerifyAttempts; ++attempt) {
        if (attempt > 0) ClockSleep(kSetterVerifyPauseMs);
        std::uint32_t current = 0, maximum = 0;
        const bool ok = DdcGetVcpFeature(monitor.handle, kVcpSpeakerVolume, current, maximum);
        LogEvent(LogId(monitor), index, InfoOf(ColourKind::Speaker).getText, ok, nullptr);
        if (!ok) continue;
        if (maximum == 0) return false;
        entry.speakerVolume = MulDiv(static_cast<std::int32_t>(current), 100, static_cast<std::int32_t>(maximum));
        return true;
    }
    return false;
}

void ShowValue(const MonitorEntry& entry, ColourKind kind) {
    const KindInfo& info = InfoOf(kind);
    const std::int32_t value = CurrentValue(entry, kind);
    ControlSetText(info.labelId, std::wstring(UiIsGerman() ? info.labelGerman : info.labelEnglish) + std::to_wstring(value));
    ControlSetSlider(info.sliderId, info.sliderScale - value);
}

// Writes the requested value to the visited monitor; sets writeDone when the entry holds it.
bool WriteColourStep(ColourKind kind, std::int32_t index, const PhysicalMonitor& monitor) {
    MonitorEntry& entry = g_monitors.entries[static_cast<std::size_t>(index)];
    const std::int32_t value = static_cast<std::int32_t>(g_colourWrite.requestedValue);
    const KindInfo& info = InfoOf(kind);
    if (!g_settings.rereadvalues && value == CurrentValue(entry, kind)) {
        g_colourWrite.writeDone = true;
        return true;
    }
    if (IsGain(kind)) {
        const GainFields gain = GainOf(entry, kind);
        const std::int32_t raw = ScaledToRaw(value, *gain.minimum, *gain.maximum, 255);
        const bool ok = DdcSetGain(monitor.handle, static_cast<GainKind>(kind), static_cast<std::uint32_t>(raw));
        if (!LogEvent(LogId(monitor), index, info.setText, ok, nullptr)) return false;
        SaveMonitorSettings(monitor.handle, index);
        if (!g_settings.verify) {
            *gain.value = value;
        } else if (!VerifyGain(entry, index, monitor, kind)) {
            return false;
        }
    } else if (kind == ColourKind::Speaker) {
        const std::int32_t raw = MulDiv(value, entry.speakerVolumeMax, 100);
        const bool ok = DdcSetVcpFeature(monitor.handle, kVcpSpeakerVolume, static_cast<std::uint32_t>(raw));
        if (!LogEvent(LogId(monitor), index, info.setText, ok, nullptr)) return false;
        SaveMonitorSettings(monitor.handle, index);
        if (!g_settings.verify) {
            entry.speakerVolume = value;
        } else if (!VerifySpeaker(entry, index, monitor)) {
            return false;
        }
    } else {
        const SaturationInfo& saturation = entry.saturationInfo;
        const std::int32_t raw = ScaledToRaw(value, saturation.minimum, saturation.maximum, 100);
        LogEvent(LogId(monitor), index, info.setText, WriteSaturation(entry, raw), nullptr);
        // The shown value follows the request even when the driver refused it.
        entry.saturationInfo.current = value;
    }
    g_colourWrite.writeDone = true;

    const std::int32_t shown = CurrentValue(entry, kind);
    if (info.listColumn >= 0) MonitorListSetCell(index, info.listColumn, std::to_wstring(shown));
    LogEvent(LogId(monitor), index, info.newText, kLogNoOutcome, std::to_wstring(shown).c_str());
    ShowValue(entry, kind);
    ControlPanelRedraw();
    UpdateIcons();
    return true;
}

void WriteToSelected(ColourKind kind) {
    const std::int32_t target = g_monitors.selectedMonitor;
    // A monitor past the table (an eleventh one chosen by its display) has no entry to write through.
    if (target < 0 || target >= kMonitorCount) return;
    for (int attempt = 0; attempt < kSetterWriteAttempts; ++attempt) {
        g_colourWrite.writeDone = false;
        VisitMonitor(target, [&](const PhysicalMonitor& monitor) { return WriteColourStep(kind, target, monitor); });
        if (g_colourWrite.writeDone) return;
        ClockSleep(kSetterWritePauseMs);
    }
}

}  // namespace

void SetColourValue(ColourKind kind, std::uint32_t value) {
    if (static_cast<std::uint32_t>(kind) > static_cast<std::uint32_t>(ColourKind::Saturation)) return;
    g_colourWrite.requestedValue = value;
    WriteSelectedOrEveryRow([kind] { WriteToSelected(kind); });
    const std::int32_t selected = g_monitors.selectedMonitor;
    if (selected >= 0 && selected < kMonitorCount) {
        const KindInfo& info = InfoOf(kind);
        const MonitorEntry& entry = g_monitors.entries[static_cast<std::size_t>(selected)];
        ControlSetSlider(info.sliderId, info.sliderScale - CurrentValue(entry, kind));
        ControlPanelRedraw();
    }
    ShowNotification(InfoOf(kind).notification);
    ClockSleep(ControlPanelIsVisible() ? 70 : 100);
}
