// What the system's callback threads post to the main window (laptop-panel brightness events,
// audio volume and default-device changes), and the main window's timers that follow them.
#pragma once
#include <cstdint>

// False for a command id that is not one of them.
bool RunDeviceEventCommand(std::uint32_t id, std::intptr_t lParam);

// Timer 0x09: the panel's brightness event is 200 ms old.
void AfterPanelEventTick();
// Timer 0x21: the panel took a brightness 500 ms ago and no event reported it.
void ShowPanelChangeTick();
// Timer 0x07: the hidden-icon check, which also notes the power-source notifications that
// arrived since start.
void HiddenIconCheckAndPowerCount();
