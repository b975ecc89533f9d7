// Dimming after inactivity: each monitor whose KnownMonitor asks for it goes to DimBrightness
// once no key or mouse input came for DimPeriod minutes, and back at the next input.
#pragma once
#include <cstdint>

struct KnownMonitor;

inline constexpr std::int32_t kNoDimWrite = -1;

// The brightness the monitor is to get now (kNoDimWrite: none), given its current brightness
// and the milliseconds since the last input; notes dimmed and the brightness to come back to.
std::int32_t DimStep(KnownMonitor& known, std::int32_t brightness, std::uint32_t idleMs);

// Timer 6, every 500 ms; nothing in duplicate mode or while a full-screen trigger is active.
void DimCheck();
// Log-off or shut-down: no monitor I/O, the undimmed brightness is remembered for the next start.
void RestoreOnShutdown();
// Exit and restart: dimmed monitors get their brightness back before the settings are saved.
void UndimForExit();
