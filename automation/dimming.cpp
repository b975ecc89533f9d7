#include "automation/dimming.h"

#include "automation/program_triggers.h"
#include "hooks/handover.h"
#include "monitors/brightness.h"
#include "monitors/discovery.h"
#include "monitors/known_monitors.h"
#include "monitors/monitor_list.h"
#include "monitors/monitor_table.h"
#include "platform/clock.h"
#include "settings/settings.h"

namespace {

constexpr std::int64_t kMinuteMs = 60000;

// Returns whether a brightness was written.
bool DimRows(std::uint32_t idleMs) {
    const std::int32_t selected = g_monitors.selectedMonitor;
    bool wrote = false;
    for (std::int32_t row = 0; row < MonitorListRowCount(); ++row) {
        const MonitorEntry& entry = g_monitors.entries[static_cast<std::size_t>(row)];
        KnownMonitor* known = KnownMonitorOf(entry);
        if (known == nullptr) continue;
        const std::int32_t brightness = DimStep(*known, entry.brightness, idleMs);
        if (brightness == kNoDimWrite) continue;
        g_monitors.selectedMonitor = row;
        SetOwnBrightness(static_cast<std::uint32_t>(brightness));
        wrote = true;
    }
    g_monitors.selectedMonitor = selected;
    return wrote;
}

}  // namespace

// A monitor found already at the dim level keeps that level as the one to come back to, so
// nothing is written when the input returns.
std::int32_t DimStep(KnownMonitor& known, std::int32_t brightness, std::uint32_t idleMs) {
    if (known.Dim != 0 && known.DimPeriod > 0 && idleMs > known.DimPeriod * kMinuteMs) {
        if (known.dimmed != 0) return kNoDimWrite;
        known.dimmed = 1;
        known.brightnessBeforeDim = brightness;
        return brightness != known.DimBrightness ? known.DimBrightness : kNoDimWrite;
    }
    if (known.dimmed == 0) return kNoDimWrite;
    known.dimmed = 0;
    return known.brightnessBeforeDim != brightness ? known.brightnessBeforeDim : kNoDimWrite;
}

void DimCheck() {
    if (g_monitors.cloneMode || IsAnyTriggerActive()) return;
    if (DimRows(ClockTickCount() - LastInputTick())) DiscoverMonitors(false);
}

void RestoreOnShutdown() {
    if (g_monitors.cloneMode) return;
    for (std::int32_t row = 0; row < MonitorListRowCount(); ++row) {
        KnownMonitor* known = KnownMonitorOf(g_monitors.entries[static_cast<std::size_t>(row)]);
        if (known == nullptr || known->dimmed == 0) continue;
        known->dimmed = 0;
        known->MonitorBrightness = known->brightnessBeforeDim;
        g_settings.restorevalues = true;
    }
}

void UndimForExit() { DimRows(0); }
