#include "ui/control_panel_tips.h"

#include <cstdint>

#include "monitors/monitor_info_text.h"
#include "monitors/monitor_table.h"
#include "platform/panel_window.h"
#include "res/resource.h"
#include "settings/texts.h"

namespace {

constexpr struct {
    int control;
    TextId text;
} kTips[] = {
    {IDC_VOLUME_ICON, TextId::TipVolumeIconBox},     {IDC_MUTE, TextId::TipMute},
    {IDC_COLOUR_PRESET, TextId::TipColourPreset},    {IDC_INPUT, TextId::TipInput},
    {IDC_MONITOR_PRESET, TextId::TipMonitorPreset},  {IDC_RESET_MONITOR, TextId::TipReset},
    {IDC_VOLUME_COLUMN, TextId::TipVolumeColumnBox}, {IDC_OPEN_SETTINGS, TextId::TipOpenSettings},
    {IDC_VOLUME_LABEL, TextId::TipVolumeLabel},      {IDC_SPEAKER_LABEL, TextId::TipSpeakerLabel},
    {IDC_POWER_TOGGLE, TextId::TipPower},            {IDC_ROTATE_DISPLAY, TextId::TipRotate},
    {IDC_ADVANCED_COLUMN, TextId::TipAdvancedColumn}, {IDC_HIDE_PANEL, TextId::TipHidePanel},
    {IDC_SATURATION_LABEL, TextId::TipSaturationLabel}, {IDC_TURN_OFF_SHORT, TextId::TipTurnOff},
    {IDC_TURN_OFF_WIDE, TextId::TipTurnOff},         {IDC_RESCAN_SHORT, TextId::TipRescan},
    {IDC_RESCAN_WIDE, TextId::TipRescan},
};

constexpr std::int32_t kNoLine = -1;
std::int32_t g_tipLine = kNoLine;  // the line the list's tooltip shows

// Only the system can turn the laptop panel off, together with every other monitor.
bool LaptopSelected() {
    const std::int32_t index = g_monitors.selectedMonitor;
    return index >= 0 && index < kMonitorCount && g_monitors.entries[static_cast<std::size_t>(index)].isLaptopPanel;
}

}  // namespace

std::wstring PanelControlTip(int control) {
    if (control == IDC_POWER_TOGGLE && LaptopSelected()) return UiText(TextId::TipPowerLaptop);
    for (const auto& tip : kTips) {
        if (tip.control == control) return UiText(tip.text);
    }
    return {};
}

// Set only when the line changes: setting the same text again would make a shown tooltip flicker.
void PanelListTipFollowPointer() {
    std::int32_t line = kNoLine;
    if (!PanelPointerListLine(line)) line = kNoLine;
    if (line == g_tipLine) return;
    g_tipLine = line;
    const MonitorInfoText info = line == kNoLine ? MonitorInfoText{} : BuildMonitorInfoText(line);
    PanelSetListTip(info.title, info.text);
}

void PanelClearTooltips() {
    g_tipLine = kNoLine;
    PanelHideTooltips();
}
