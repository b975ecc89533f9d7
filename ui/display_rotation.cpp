#include "ui/display_rotation.h"

#include <cstdint>
#include <string>
#include <utility>

#include "log/event_log.h"
#include "monitors/monitor_table.h"
#include "platform/display_config.h"

namespace {

constexpr int kAttempts = 4;

}  // namespace

// A driver may refuse the new orientation with the old width and height, or only accept
// another orientation: each step turns further and also tries the exchanged size.
void RotateSelectedDisplay() {
    const std::int32_t index = g_monitors.selectedMonitor;
    if (index < 0 || index >= kMonitorCount) return;
    const std::wstring device = L"\\\\.\\" + g_monitors.entries[static_cast<std::size_t>(index)].gdiDeviceName;
    DisplayMode mode;
    std::uint32_t error = 0;
    if (!DisplayModeRead(device, mode, error)) {
        LogFailureCause(false, L"rotate display: read display mode", device, error);
        return;
    }
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        mode.orientation = (mode.orientation + 3) % 4;
        if (DisplayModeApply(device, mode, error)) return;
        std::swap(mode.width, mode.height);
        if (DisplayModeApply(device, mode, error)) return;
    }
    LogFailureCause(false, L"rotate display", device, error);
}
