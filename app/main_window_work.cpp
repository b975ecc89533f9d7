#include "app/main_window_work.h"

#include "app/control_panel_refresh.h"
#include "app/exit_path.h"
#include "app/startup_steps.h"
#include "monitors/brightness.h"
#include "monitors/discovery.h"
#include "monitors/monitor_list.h"
#include "monitors/monitor_table.h"
#include "monitors/pending_requests.h"
#include "res/resource.h"
#include "settings/settings.h"
#include "ui/power_off_information.h"

namespace {

// Sets a pass flag for one refresh and puts back what it was, so that a refresh reached from
// inside a running pass leaves that pass's flags alone.
class PassFlag {
public:
    explicit PassFlag(bool& flag) : flag_(flag), before_(flag) { flag_ = true; }
    ~PassFlag() { flag_ = before_; }
    PassFlag(const PassFlag&) = delete;
    PassFlag& operator=(const PassFlag&) = delete;

private:
    bool& flag_;
    bool before_;
};

}  // namespace

void RereadAllValues() {
    PassFlag reread(g_monitors.forceReread);
    RefreshControlPanel();
}

// Toggling takes a monitor a while; the power states are read again after it.
void RecheckPowerStates() {
    PassFlag reread(g_monitors.forceReread);
    PassFlag power(g_monitors.powerRecheck);
    RefreshControlPanel();
}

void EndRestoreHold() { BrightnessHoldBalloons(false); }

void OnPowerCheckBoxClicked(std::int32_t row, bool checked, bool ctrlAndShiftHeld) {
    if (row < 0 || row >= MonitorListRowCount()) return;
    if (g_settings.safety && !ctrlAndShiftHeld) {
        ShowPowerOffInformation(row);
        // Ticking the information's box clears safety, and then this click goes through.
        if (g_settings.safety) {
            MonitorListSetChecked(row, !checked);
            return;
        }
    }
    g_monitors.entries[row].pendingPowerToggle = true;
    DiscoverMonitors(false);
}

