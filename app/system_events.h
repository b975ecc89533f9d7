// What the main window makes of the system's taskbar, display, session and power events.
// None of them patches state in place: each logs and starts a one-shot timer whose work
// restarts the program or checks whether the set of monitors changed. A burst of events
// re-arms the same timer and so yields one action.
#pragma once
#include <cstdint>

enum class PowerSetting { PowerSource, PowerSaving, MonitorPower, Other };

void OnTaskbarCreated();
void OnDisplayChange();
void OnResumeFromSleep();
// firstDataByte: the notification's first data byte (for the monitor: 0 off, else on).
void OnPowerSettingChange(PowerSetting setting, std::uint8_t firstDataByte);
void OnSessionChange(std::uint32_t code, std::uint32_t sessionId);

// The height the control panel's layout needs; until it is set no height restarts.
void SetMinimumClientHeight(std::int32_t height);
void OnClientHeight(std::int32_t height);

// Power-source and power-saving notifications so far, wrapping at 256; the laptop panel
// compares it with its own copy to notice a change of power source.
std::uint8_t PowerSourceChanges();

// Back to the state at start.
void SystemEventsReset();
