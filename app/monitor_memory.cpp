#include "app/monitor_memory.h"

#include <algorithm>
#include <cstdint>
#include <cwctype>
#include <string>

#include "app/control_panel_refresh.h"
#include "monitors/brightness.h"
#include "monitors/known_monitors.h"
#include "monitors/monitor_list.h"
#include "monitors/monitor_table.h"
#include "settings/settings.h"

namespace {

constexpr std::int32_t kNothingRemembered = -1;

struct Remembered {
    std::int32_t brightness = kNothingRemembered;
    std::int32_t contrast = kNothingRemembered;
};

// Without its identification string a monitor carries a placeholder that every such monitor
// shares, and so shares one slot: its remembered values may be another monitor's.
bool IdentifiesItself(const MonitorEntry& entry) {
    std::wstring uid = entry.deviceUid;
    std::transform(uid.begin(), uid.end(), uid.begin(), [](wchar_t c) { return static_cast<wchar_t>(std::towupper(c)); });
    return uid.find(L"&UID") != std::wstring::npos;
}

void RestoreBrightness(const MonitorEntry& entry, const Remembered& values) {
    if (entry.brightnessMax != 0 && values.brightness != kNothingRemembered) {
        SetBrightness(static_cast<std::uint32_t>(values.brightness));
    }
}

void RestoreContrast(const MonitorEntry& entry, const Remembered& values) {
    if (entry.contrastMax != 0 && values.contrast != kNothingRemembered) {
        SetContrast(static_cast<std::uint32_t>(values.contrast));
    }
}

}  // namespace

void SelectionFromSettings() { g_monitors.selectedMonitor = g_settings.selectedmonitor; }

void SelectionToSettings() { g_settings.selectedmonitor = g_monitors.selectedMonitor; }

void RestoreRememberedValues(RestoreMoment moment) {
    if (!g_settings.restorevalues || g_monitors.cloneMode) return;
    const std::int32_t selected = g_monitors.selectedMonitor;
    // Values written at start-up are not the user's: the setters then neither remember them
    // (a limit may cut them) nor announce them.
    const bool startupBefore = g_monitors.startupPass;
    if (moment == RestoreMoment::Startup) g_monitors.startupPass = true;
    for (std::int32_t row = 0; row < MonitorListRowCount(); ++row) {
        const MonitorEntry& entry = g_monitors.entries[row];
        const KnownMonitor* known = KnownMonitorOf(entry);
        if (known == nullptr || !IdentifiesItself(entry)) continue;
        // Copied first: a setter may rewrite the slot it restores from.
        const Remembered values{known->MonitorBrightness, known->MonitorContrast};
        g_monitors.selectedMonitor = row;
        if (moment == RestoreMoment::Startup) {
            RestoreBrightness(entry, values);
            RestoreContrast(entry, values);
        } else {
            RestoreContrast(entry, values);
            RestoreBrightness(entry, values);
        }
    }
    g_monitors.startupPass = startupBefore;
    g_monitors.selectedMonitor = selected;
    ShowSelectedMonitor();
}
