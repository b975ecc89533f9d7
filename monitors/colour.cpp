#include "monitors/colour.h"

#include <string>

#include "log/event_log.h"
#include "monitors/brightness.h"
#include "monitors/monitor_list.h"
#include "monitors/monitor_table.h"
#include "monitors/percent.h"
#include "monitors/saturation.h"
#include "monitors/visit.h"
#include "platform/clock.h"
#include "platform/control_panel.h"
#include "platform/ddc.h"
#include "settings/settings.h"
#include "platform/requests.h"

namespace {

constexpr std::uint8_t kVcpSpeakerVolume = 0x62;

struct KindInfo {
    const wchar_t* setText;  // write, logged with its outcome
    const wchar_t* getText;  // verify read
    const wchar_t* newText;  // logged with the value after a write
    PanelValue panelValue;
};

constexpr KindInfo kKinds[] = {
    {L"SetMonitorRED", L"GetMonitorRED", L"new RED value", PanelValue::Red},
    {L"SetMonitorGREEN", L"GetMonitorGREEN", L"new GREEN value", PanelValue::Green},
    {L"SetMonitorBLUE", L"GetMonitorBLUE", L"new BLUE value", PanelValue::Blue},
    {L"VCP 0x62 Set Monitor Volume", L"VCP 0x62 Get Monitor Volume", L"new Monitor Volume value", PanelValue::Speaker},
    {L"Set Saturation/Vibrance", nullptr, L"new Saturation value", PanelValue::Saturation},
};

// What one walk to the selected monitor achieved.
struct WriteOutcome {
    bool done = false;     // the entry holds the requested value, written now or before
    bool changed = false;  // it was written now
};

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

// Writes the requested value to the visited monitor.
WriteOutcome WriteColourStep(ColourKind kind, std::int32_t index, const PhysicalMonitor& monitor, std::uint32_t requested) {
    MonitorEntry& entry = g_monitors.entries[static_cast<std::size_t>(index)];
    const auto value = static_cast<std::int32_t>(requested);
    const KindInfo& info = InfoOf(kind);
    if (!g_settings.rereadvalues && value == CurrentValue(entry, kind)) return {true, false};
    bool changed = true;
    if (IsGain(kind)) {
        const GainFields gain = GainOf(entry, kind);
        const std::int32_t raw = ScaledToRaw(value, *gain.minimum, *gain.maximum, 255);
        const bool ok = DdcSetGain(monitor.handle, static_cast<GainKind>(kind), static_cast<std::uint32_t>(raw));
        if (!LogEvent(LogId(monitor), index, info.setText, ok, nullptr)) return {};
        SaveMonitorSettings(monitor.handle, index);
        if (!g_settings.verify) {
            *gain.value = value;
        } else if (!VerifyGain(entry, index, monitor, kind)) {
            return {};
        }
    } else if (kind == ColourKind::Speaker) {
        const std::int32_t raw = MulDiv(value, entry.speakerVolumeMax, 100);
        const bool ok = DdcSetVcpFeature(monitor.handle, kVcpSpeakerVolume, static_cast<std::uint32_t>(raw));
        if (!LogEvent(LogId(monitor), index, info.setText, ok, nullptr)) return {};
        SaveMonitorSettings(monitor.handle, index);
        if (!g_settings.verify) {
            entry.speakerVolume = value;
        } else if (!VerifySpeaker(entry, index, monitor)) {
            return {};
        }
    } else {
        const SaturationInfo& saturation = entry.saturationInfo;
        const std::int32_t raw = ScaledToRaw(value, saturation.minimum, saturation.maximum, 100);
        changed = LogEvent(LogId(monitor), index, info.setText, WriteSaturation(entry, index, raw), nullptr) != 0;
        // A refused value is never shown: the driver still holds the last one it accepted. Its
        // answer is final, so the write is not tried again either.
        if (changed) entry.saturationInfo.current = value;
    }
    LogEvent(LogId(monitor), index, info.newText, kLogNoOutcome, std::to_wstring(CurrentValue(entry, kind)).c_str());
    return {true, changed};
}

// True when the entry now holds a newly written value.
bool WriteToSelected(ColourKind kind, std::uint32_t requested) {
    const std::int32_t target = g_monitors.selectedMonitor;
    // A monitor past the table (an eleventh one chosen by its display) has no entry to write through.
    if (target < 0 || target >= kMonitorCount) return false;
    for (int attempt = 0; attempt < kSetterWriteAttempts; ++attempt) {
        WriteOutcome outcome;
        VisitMonitor(target, [&](const PhysicalMonitor& monitor) {
            outcome = WriteColourStep(kind, target, monitor, requested);
            return outcome.done;
        });
        if (outcome.done) return outcome.changed;
        ClockSleep(kSetterWritePauseMs);
    }
    return false;
}

}  // namespace

void SetColourValue(ColourKind kind, std::uint32_t value) {
    if (static_cast<std::uint32_t>(kind) > static_cast<std::uint32_t>(ColourKind::Saturation)) return;
    const std::uint32_t changedRows = WriteSelectedOrEveryRow([kind, value] { return WriteToSelected(kind, value); });
    PanelShowChange(InfoOf(kind).panelValue, changedRows, true);
    ClockSleep(ControlPanelIsVisible() ? 70 : 100);
}
