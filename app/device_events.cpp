#include "app/device_events.h"

#include "app/control_panel_refresh.h"
#include "app/system_events.h"
#include "audio/audio.h"
#include "monitors/laptop_panel.h"
#include "platform/requests.h"
#include "res/resource.h"
#include "ui/hidden_icons.h"

bool RunDeviceEventCommand(std::uint32_t id, std::intptr_t lParam) {
    switch (id) {
        case kCommandPanelBrightnessEvent: OnPanelBrightnessEvent(static_cast<std::uint8_t>(lParam)); return true;
        case kCommandAudioVolumeNotified: OnAudioVolumeNotified(); return true;
        case kCommandAudioDefaultDeviceChanged: OnDefaultAudioDeviceChanged(lParam); return true;
        default: return false;
    }
}

void AfterPanelEventTick() { AfterPanelEvent(PowerSourceChanges()); }

void ShowPanelChangeTick() {
    RefreshControlPanel();
    UpdateIcons();
}

void HiddenIconCheckAndPowerCount() {
    PanelNotePowerSourceChanges(PowerSourceChanges());
    HiddenIconCheckTick();
}
