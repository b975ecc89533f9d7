// Core Audio seam: the default render endpoint of the console role. The attached device, its
// volume callback and the device-notification client stay until detached; reads and writes
// open their own endpoint for the call. The callbacks run on system threads and only post to
// the main window: kCommandAudioVolumeNotified (the values wait in AudioTakeNotification) and
// kCommandAudioDefaultDeviceChanged (lParam: AudioDeviceChangeParam).
// Windows: core_audio_win32.cpp. Host tests: testing/fakes/core_audio_fake.cpp.
#pragma once
#include <cstdint>
#include <string>

bool AudioCreateEnumerator();
// The default endpoint and its endpoint volume; false leaves none attached.
bool AudioAttachDefaultDevice();
bool AudioRegisterVolumeCallback();
// Unregisters the callback and releases it, the endpoint volume and the device.
void AudioReleaseDevice();
// The attached device's friendly name; false when it is not a wide string.
bool AudioReadDeviceName(std::wstring& name);
bool AudioRegisterDeviceNotifications();
// Unregisters the notification client and releases it and the enumerator.
void AudioReleaseEnumerator();

struct AudioEndpointState {
    float scalar = 0.0f;  // master volume 0.0 .. 1.0
    bool muted = false;
};
// False, state untouched, when no endpoint or one of the reads fails.
bool AudioReadEndpoint(AudioEndpointState& state);
bool AudioWriteVolume(float scalar);
bool AudioWriteMute(bool mute);

// The last volume notification; false when none arrived since the last call.
bool AudioTakeNotification(AudioEndpointState& state);

enum class AudioFlow : std::uint8_t { Render = 0, Capture = 1, All = 2 };
enum class AudioRole : std::uint8_t { Console = 0, Multimedia = 1, Communications = 2 };
inline constexpr std::intptr_t AudioDeviceChangeParam(AudioFlow flow, AudioRole role) {
    return static_cast<std::intptr_t>(flow) | static_cast<std::intptr_t>(role) << 8;
}

// Windows 8 and later show a volume display of their own for volume keys.
bool AudioSystemShowsVolumeDisplay();
// Two volume keys to the main window as application commands, the first one up when firstUp.
void AudioSendVolumeKeys(bool firstUp);
