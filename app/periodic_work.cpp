#include "app/periodic_work.h"

#include <algorithm>

#include "app/control_panel_refresh.h"
#include "app/restart.h"
#include "automation/dimming.h"
#include "automation/timed_lines.h"
#include "monitors/brightness.h"
#include "monitors/discovery.h"
#include "monitors/monitor_list.h"
#include "monitors/monitor_table.h"
#include "platform/clock.h"
#include "platform/control_panel.h"
#include "platform/ddc.h"
#include "platform/input.h"
#include "platform/main_window.h"
#include "platform/message_box.h"
#include "platform/requests.h"
#include "res/resource.h"
#include "settings/settings.h"
#include "settings/texts.h"
#include "ui/control_panel_tips.h"

namespace {

bool g_monitorsAtStart = true;

bool AnyMonitorNow() {
    for (const DisplayInfo& display : DdcEnumerateDisplays()) {
        std::uint32_t count = 0;
        if (DdcGetNumberOfPhysicalMonitors(display.handle, count) && count > 0) return true;
    }
    return false;
}

bool AnyTimedLine() {
    return std::any_of(g_settings.timed.begin(), g_settings.timed.end(),
                       [](const TimedEntry& timed) { return timed.enabled && !timed.commandLine.empty(); });
}

}  // namespace

void NoteMonitorsFoundAtStart(bool found) { g_monitorsAtStart = found; }

// autoselect: the monitor under the pointer is the one the next icon click or hotkey means.
void SelectMonitorUnderPointer() {
    const std::int32_t before = g_monitors.selectedMonitor;
    FindMonitorByDisplay(DisplayUnderPointer());
    if (g_monitors.selectedMonitor == before) return;
    UpdateIcons();
    ShowSelectedMonitor();
}

// The successor of a restart that asked for it reopens the settings dialog.
void HalfSecondWork() {
    if (g_settings.showsettings) {
        MainWindowPostCommand(IDM_SETTINGS, 0);
        g_settings.showsettings = false;
    }
    DimCheck();
    PanelListTipFollowPointer();
    if (g_settings.autoselect && !g_monitors.cloneMode && MonitorListRowCount() > 1 && !ControlPanelIsVisible())
        SelectMonitorUnderPointer();
}

// A new day restarts so that the timed lines start over; the successor's midnight guard
// waits out 00:00, so this happens once.
void TenSecondWork() {
    if (!g_monitorsAtStart && AnyMonitorNow()) {
        RestartLogged(L"meanwhile monitor found -> restart Lumistrand");
        return;
    }
    const LocalTime now = ClockLocalTime();
    if (now.hour == 0 && now.minute == 0 && AnyTimedLine()) {
        RestartLogged(L"new day -> reset timer-logic by restarting Lumistrand");
        return;
    }
    RunTimedCommandLines();
    if (g_settings.checkambient) TransferBrightness();
}

void DuplicateModeNotice() {
    if (!g_monitors.cloneMode) return;
    MessageBoxAskOnce(L"Lumistrand", UiText(TextId::DuplicateModeNotice), L"{AB7E4C73-9C4B-4A84-BCA4-459D981508FC}");
}

void PeriodicWorkReset() { g_monitorsAtStart = true; }
