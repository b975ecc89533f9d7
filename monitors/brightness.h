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

struct BrightnessState {
    std::uint32_t requestedBrightness = 0;
    std::uint32_t requestedContrast = 0;
    bool writeDone = false;     // the write reached the target and finished (or had nothing to do)
    bool valueChanged = false;  // a write or read changed a value the user sees
    bool readOk = false;        // ReadSelectedBrightness obtained a value
    std::int32_t previousBrightness = 0;
    // Set by the main window while values were just restored (timer 81 running): no balloons then.
    bool restoreHold = false;
};

extern BrightnessState g_brightness;

// Runs write once for the selected monitor, or with samevalues once for every row made the
// selected one in turn; the selection is restored afterwards.
void WriteSelectedOrEveryRow(const std::function<void()>& write);

void SetBrightness(std::uint32_t percent);
void SetContrast(std::uint32_t percent);

// Makes the monitor store its current settings when savenonvolatile is on; otherwise nothing.
void SaveMonitorSettings(PhysicalMonitorHandle monitor, std::int32_t index);

// Reads the selected monitor's brightness into its entry; sets readOk, and valueChanged when it moved.
void ReadSelectedBrightness();

// A single digit 1..9 selects that row; any other text the first row whose name, serial number
// or model contains it (ignoring case). The chosen row's brightness is read when it has one.
void SelectMonitorByText(const std::wstring& text);

// Copies the source monitor's brightness (with offset and band factors) to the destinations.
void TransferBrightness();
