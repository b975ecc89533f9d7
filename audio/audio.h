// The default audio device's master volume and mute. The Core Audio side arrives later;
// until then no device exists, so every change reports failure and the volume reads 0.
#pragma once
#include <cstdint>
#include <string>

// level: scalar 0.0 .. 1.0 (larger values are clamped by the device).
bool SetVolume(float level);
bool SetMute(bool mute);
// Last known volume of the default device in percent.
std::int32_t CurrentVolumePercent();
// Last known mute state and name of the default device.
bool DefaultAudioDeviceMuted();
std::wstring DefaultAudioDeviceName();
// Windows 8 and later show their own volume display only for key presses: two opposite
// volume keys sent to the main window, the first one in direction firstUp.
void ShowSystemVolumeDisplay(bool firstUp);
