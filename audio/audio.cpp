#include "audio/audio.h"

#include <cmath>

#include "platform/control_panel.h"
#include "platform/core_audio.h"
#include "platform/main_window.h"
#include "platform/requests.h"
#include "res/resource.h"
#include "settings/texts.h"

namespace {

constexpr std::size_t kMaxNameChars = 63;
constexpr std::uint32_t kReattachDelayMs = 5000;

struct AudioState {
    bool enumerator = false;
    bool callbackRegistered = false;
    bool notificationsRegistered = false;
    bool attached = false;  // between AttachAudio and DetachAudio: notifications are shown
    bool read = false;      // the last read found a device
    std::int32_t volume = 0;
    bool muted = false;
    std::wstring name;
};

AudioState g_audio;

std::int32_t Percent(float scalar) { return static_cast<std::int32_t>(std::lround(scalar * 100.0f)); }

void ShowMuted(bool muted) {
    g_audio.muted = muted;
    ControlSetChecked(IDC_MUTE, muted);
}

void ShowVolumeLabel() {
    // Without a device there is no volume to show, not a volume of 0.
    const std::wstring value = g_audio.read ? std::to_wstring(g_audio.volume) : std::wstring();
    ControlSetText(IDC_VOLUME_LABEL, UiText(TextId::TipVolume) + value);
}

// Names of 64 characters and more are not taken: the last name stays.
void ReadDeviceName() {
    std::wstring name;
    if (AudioReadDeviceName(name) && name.size() <= kMaxNameChars) g_audio.name = name;
}

void AttachDevice() {
    if (!AudioAttachDefaultDevice()) return;
    g_audio.callbackRegistered = AudioRegisterVolumeCallback();
    if (g_audio.callbackRegistered) ReadDeviceName();
}

}  // namespace

void AttachAudio() {
    g_audio.attached = true;
    g_audio.enumerator = AudioCreateEnumerator();
    if (g_audio.enumerator) {
        AttachDevice();
        g_audio.notificationsRegistered = AudioRegisterDeviceNotifications();
    }
    ReadVolume();
}

void DetachAudio() {
    g_audio.attached = false;
    AudioReleaseDevice();
    g_audio.callbackRegistered = false;
    if (g_audio.enumerator) AudioReleaseEnumerator();
    g_audio.enumerator = false;
    g_audio.notificationsRegistered = false;
}

void ReattachAudio() {
    if (!g_audio.enumerator || !g_audio.attached) return;
    AudioReleaseDevice();
    g_audio.callbackRegistered = false;
    AttachDevice();
    ReadVolume();
}

float ReadVolume() {
    AudioEndpointState state;
    g_audio.read = AudioReadEndpoint(state);
    if (g_audio.read) ShowMuted(state.muted);
    g_audio.volume = Percent(state.scalar);
    for (const int control : {IDC_VOLUME_SLIDER, IDC_VOLUME_ICON, IDC_MUTE}) ControlSetEnabled(control, g_audio.read);
    ShowVolumeLabel();
    ControlSetSlider(IDC_VOLUME_SLIDER, 100 - g_audio.volume);
    ControlPanelRedraw();
    UpdateIcons();
    return state.scalar;
}

bool SetVolume(float level) {
    const bool written = AudioWriteVolume(level);
    if (written && !AudioSystemShowsVolumeDisplay()) ShowNotification(NotificationKind::Volume);
    return written;
}

bool SetMute(bool mute) { return AudioWriteMute(mute); }

std::int32_t CurrentVolumePercent() { return g_audio.volume; }
bool DefaultAudioDeviceMuted() { return g_audio.muted; }
std::wstring DefaultAudioDeviceName() { return g_audio.name; }

bool DefaultAudioDeviceFound() { return g_audio.read; }

void ShowSystemVolumeDisplay(bool firstUp) {
    if (AudioSystemShowsVolumeDisplay()) AudioSendVolumeKeys(firstUp);
}

void OnAudioVolumeNotified() {
    AudioEndpointState state;
    if (!AudioTakeNotification(state) || !g_audio.attached) return;
    ShowMuted(state.muted);
    g_audio.read = true;
    g_audio.volume = Percent(state.scalar);
    ShowVolumeLabel();
    // A trackbar does not repaint its thumb for a position it believes it holds already.
    ControlSetSlider(IDC_VOLUME_SLIDER, g_audio.volume == 100 ? 1 : 100 - (g_audio.volume + 1));
    ControlSetSlider(IDC_VOLUME_SLIDER, 100 - g_audio.volume);
    ControlPanelRedraw();
    UpdateIcons();
}

void OnDefaultAudioDeviceChanged(std::intptr_t flowAndRole) {
    const auto flow = static_cast<AudioFlow>(flowAndRole & 0xFF);
    const auto role = static_cast<AudioRole>(flowAndRole >> 8 & 0xFF);
    if (!g_audio.attached || role != AudioRole::Console || flow == AudioFlow::Capture) return;
    MainWindowSetTimer(kTimerAudioReattach, kReattachDelayMs);
}

void AudioReset() { g_audio = AudioState{}; }
