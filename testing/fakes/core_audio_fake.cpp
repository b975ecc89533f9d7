#include "testing/fakes/core_audio_fake.h"

namespace {
FakeAudio g_audio;
bool g_attached = false;
}  // namespace

FakeAudio& FakeAudioState() { return g_audio; }
void FakeAudioReset() {
    g_audio = FakeAudio{};
    g_attached = false;
}

bool AudioCreateEnumerator() {
    if (!g_audio.enumerator) return false;
    ++g_audio.enumerators;
    return true;
}
bool AudioAttachDefaultDevice() {
    g_attached = g_audio.device;
    if (g_attached) ++g_audio.deviceAttaches;
    return g_attached;
}
bool AudioRegisterVolumeCallback() {
    if (!g_attached || !g_audio.callbackRegisters) return false;
    ++g_audio.callbacks;
    return true;
}
void AudioReleaseDevice() {
    if (g_attached && g_audio.callbackRegisters) --g_audio.callbacks;
    g_attached = false;
}
bool AudioReadDeviceName(std::wstring& name) {
    name = g_audio.name;
    return g_attached;
}
bool AudioRegisterDeviceNotifications() {
    ++g_audio.clients;
    return true;
}
void AudioReleaseEnumerator() {
    --g_audio.clients;
    --g_audio.enumerators;
}
bool AudioReadEndpoint(AudioEndpointState& state) {
    if (!g_audio.endpoint) return false;
    state = *g_audio.endpoint;
    return true;
}
bool AudioWriteVolume(float scalar) {
    g_audio.volumesWritten.push_back(scalar);
    return g_audio.endpoint.has_value();
}
bool AudioWriteMute(bool mute) {
    g_audio.mutesWritten.push_back(mute);
    return g_audio.endpoint.has_value();
}
bool AudioTakeNotification(AudioEndpointState& state) {
    if (!g_audio.notification) return false;
    state = *g_audio.notification;
    g_audio.notification.reset();
    return true;
}
bool AudioSystemShowsVolumeDisplay() { return g_audio.systemShowsVolume; }
void AudioSendVolumeKeys(bool firstUp) { g_audio.volumeKeysFirstUp.push_back(firstUp); }
