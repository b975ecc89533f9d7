#include "tray/panel_placement.h"

#include <algorithm>

#include "monitors/known_monitors.h"
#include "monitors/monitor_table.h"
#include "platform/main_window.h"
#include "platform/notify_icon.h"
#include "platform/panel_window.h"
#include "res/resource.h"
#include "settings/settings.h"
#include "tray/balloon.h"
#include "tray/icon_set.h"

namespace {

constexpr std::uint32_t kToFrontMs = 200;

bool SelectedHasIcons() {
    if (g_monitors.cloneMode || g_settings.showvolumeicon) return true;
    const std::int32_t monitor = g_monitors.selectedMonitor;
    if (monitor < 0 || monitor >= kMonitorCount) return false;
    const KnownMonitor* known = KnownMonitorOf(g_monitors.entries[static_cast<std::size_t>(monitor)]);
    if (known == nullptr) return false;
    for (int kind = 0; kind < kIconKinds; ++kind) {
        if (IconWanted(known, static_cast<IconKind>(kind))) return true;
    }
    return false;
}

// Pulled back to 0 on an axis where it would lie off the desktop, which reaches into negative
// coordinates when a monitor sits left of or above the primary one.
std::int32_t OnDesktop(std::int32_t position, std::int32_t length, std::int32_t begin, std::int32_t end) {
    return position < begin || position + length > end ? 0 : position;
}

// Pushed back inside [low, high) where it sticks out, the near edge winning.
std::int32_t Inside(std::int32_t position, std::int32_t length, std::int32_t low, std::int32_t high) {
    return std::max(low, std::min(position, high - length));
}

// The whole panel stays on the monitor it opens on, clear of the taskbar.
void MoveToStoredPosition() {
    const ScreenRect panel = PanelWindowRect();
    const ScreenRect desktop = PanelDesktopRect();
    const std::int32_t width = panel.right - panel.left, height = panel.bottom - panel.top;
    const std::int32_t x = OnDesktop(g_settings.lastx, width, desktop.left, desktop.right);
    const std::int32_t y = OnDesktop(g_settings.lasty, height, desktop.top, desktop.bottom);
    const ScreenRect work = PanelWorkAreaAt(x, y);
    PanelMoveTo(Inside(x, width, work.left, work.right), Inside(y, height, work.top, work.bottom));
}

}  // namespace

void PlacePanelAtIcon() {
    if (g_monitors.physicalQueryFailed) return;
    if (!SelectedHasIcons() || IconsAdded() == 0) {
        MoveToStoredPosition();
    } else {
        HideNotification();
        ScreenRect icon;
        // Where the shell cannot say where the icon is, the panel shows where it was.
        if (NotifyIconRect(IconForPanel(), icon)) {
            PanelMoveNextTo((icon.left + icon.right) / 2, (icon.top + icon.bottom) / 2, icon);
        }
    }
    PanelShowInFront();
    MainWindowSetTimer(kTimerPanelToFront, kToFrontMs);
}
