#include "app/startup_steps.h"

#include "audio/audio.h"
#include "automation/timed_lines.h"
#include "log/event_log.h"
#include "monitors/laptop_panel.h"
#include "platform/clock.h"
#include "platform/control_panel.h"
#include "platform/panel_window.h"
#include "platform/wmi.h"
#include "tray/icon_set.h"
#include "ui/control_panel_presenter.h"

void PrepareWmiStrings() { WmiPrepareStrings(); }
void PrepareTimedAndWheelEntries() { TimedLinesStart(ClockLocalTime()); }
void PrepareControlPanel() { PanelArrange(); }
void AttachLaptopPanelAndAudio() {
    const std::vector<std::uint8_t> levels = AttachLaptopPanel();
    if (!levels.empty()) {
        ControlSetText(IDC_LAPTOP_LEVELS, PanelLevelsText(levels.size()));
        std::wstring listed;
        for (const std::uint8_t level : levels) listed += std::to_wstring(level) + L" ";
        LogEvent(static_cast<std::uint32_t>(-1), -1, L"Laptop LCD brightness levels\r\n", kLogNoOutcome, listed.c_str());
    }
    AttachAudio();
}
void ReleaseLaptopPanelAndAudio() {
    DetachAudio();
    DetachLaptopPanel();
}
void CreateTooltipsAndIcons() {
    PanelCreateTooltips();
    CreateNotificationIcons();
}
void RemoveNotificationIcons() { RemoveAllIcons(); }
void RereadControlPanelValues() {}
