// The default audio device in host tests: whether each step of attaching succeeds, what the
// endpoint reads, what was written and registered, and notifications waiting for the main window.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "platform/core_audio.h"

struct FakeAudio {
    bool enumerator = true;
    bool device = true;
    bool callbackRegisters = true;
    std::wstring name = L"Speakers";
    std::optional<AudioEndpointState> endpoint = AudioEndpointState{0.5f, false};  // none: no device
    bool systemShowsVolume = true;
    std::vector<float> volumesWritten;
    std::vector<bool> mutesWritten;
    std::optional<AudioEndpointState> notification;
    int callbacks = 0;       // volume callbacks registered and not yet unregistered
    int clients = 0;         // notification clients registered and not yet unregistered
    int enumerators = 0;     // held and not yet released
    int deviceAttaches = 0;  // every AudioAttachDefaultDevice that succeeded
    std::vector<bool> volumeKeysFirstUp;
};

FakeAudio& FakeAudioState();
void FakeAudioReset();
