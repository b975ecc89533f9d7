// The default audio device's master volume and mute. Without a device the volume controls
// are disabled, the volume reads 0 and every change reports failure.
#pragma once
#include <cstdint>
#include <string>

// Start-up: the device enumerator, the default device with its volume callback and the
// notification client for changes of the default device; then the first read.
void AttachAudio();
// Exit: every callback unregistered and every interface released. Notifications that were
// posted before are ignored from now on.
void DetachAudio();
// The default device changed (the main window's timer, 5 s after the last change): the
// callback moves to the new device.
void ReattachAudio();

// Reads volume and mute and shows them in the control panel and the icons; returns the scalar.
float ReadVolume();

// level: scalar 0.0 .. 1.0 (larger values are clamped by the device).
bool SetVolume(float level);
bool SetMute(bool mute);
// Last known volume of the default device in percent.
std::int32_t CurrentVolumePercent();
// False while no default device could be read: there is no volume to show then, not a 0.
bool DefaultAudioDeviceFound();
// Last known mute state and name of the default device.
bool DefaultAudioDeviceMuted();
std::wstring DefaultAudioDeviceName();
// Windows 8 and later show their own volume display only for key presses: two opposite
// volume keys sent to the main window, the first one in direction firstUp.
void ShowSystemVolumeDisplay(bool firstUp);

// What the system's callbacks posted to the main window, handled on its thread.
void OnAudioVolumeNotified();
void OnDefaultAudioDeviceChanged(std::intptr_t flowAndRole);

void AudioReset();
