// Brightness and contrast of the selected monitor (or of every monitor with samevalues), in
// percent; the read of one monitor's brightness; the brightness transfer between monitors.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "platform/ddc.h"

// Retries of every setter: whole writes, and read-backs when verify is on.
inline constexpr int kSetterWriteAttempts = 10;
inline constexpr std::uint32_t kSetterWritePauseMs = 100;
inline constexpr int kSetterVerifyAttempts = 3;
inline constexpr std::uint32_t kSetterVerifyPauseMs = 50;

// Set by the main window while values were just restored (timer 0x51 running): no balloons then.
void BrightnessHoldBalloons(bool hold);
bool BrightnessBalloonsHeld();

// Runs write once for the selected monitor, or with samevalues once for every row made the
// selected one in turn; the selection is restored afterwards. Returns the rows (bit n = row n)
// whose write reported a changed value.
std::uint32_t WriteSelectedOrEveryRow(const std::function<bool()>& write);

void SetBrightness(std::uint32_t percent);
// The selected monitor alone, also with samevalues: for values that belong to one monitor,
// such as its dimming, which every monitor leaves and regains on its own.
void SetOwnBrightness(std::uint32_t percent);
void SetContrast(std::uint32_t percent);

// Makes the monitor store its current settings when savenonvolatile is on; otherwise nothing.
void SaveMonitorSettings(PhysicalMonitorHandle monitor, std::int32_t index);

struct BrightnessRead {
    bool read = false;     // a value was obtained
    bool changed = false;  // and it differs from the one shown before
};

// Reads the selected monitor's brightness into its entry.
BrightnessRead ReadSelectedBrightness();

// A single digit 1..9 selects that row; any other text the first row whose name, serial number
// or model contains it (ignoring case). The chosen row's brightness is read when it answers.
BrightnessRead SelectMonitorByText(const std::wstring& text);

// Copies the source monitor's brightness (with offset and band factors) to the destinations.
void TransferBrightness();
