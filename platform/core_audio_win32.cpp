#include <windows.h>
#include <endpointvolume.h>
#include <mmdeviceapi.h>
#include <propidl.h>
#include <versionhelpers.h>

#include <atomic>
#include <bit>

#include "platform/com_object_win32.h"
#include "platform/core_audio.h"
#include "platform/main_window_handle_win32.h"
#include "platform/owners_win32.h"
#include "res/resource.h"

namespace {

static const CLSID kDeviceEnumeratorClass = {0xBCDE0395, 0xE52F, 0x467C, {0x8E, 0x3D, 0xC4, 0x57, 0x92, 0x91, 0x69, 0x2E}};
static const IID kDeviceEnumeratorIid = {0xA95664D2, 0x9614, 0x4F35, {0xA7, 0x46, 0xDE, 0x8D, 0xB6, 0x36, 0x17, 0xE6}};
static const IID kEndpointVolumeIid = {0x5CDF2C82, 0x841E, 0x4546, {0x97, 0x22, 0x0C, 0xF7, 0x40, 0x78, 0x22, 0x9A}};
static const IID kVolumeCallbackIid = {0x657804FA, 0xD6AD, 0x4496, {0x8A, 0x60, 0x35, 0x27, 0x52, 0xAF, 0x4F, 0x89}};
static const IID kNotificationClientIid = {0x7991EEC9, 0x7E89, 0x4D85, {0x83, 0x90, 0x6C, 0x70, 0x3C, 0xEC, 0x60, 0xC0}};
static const PROPERTYKEY kFriendlyName = {
    {0xA45C254E, 0xDF1C, 0x4EFD, {0x80, 0x20, 0x67, 0xD1, 0x46, 0xA8, 0x50, 0xE0}}, 14};
// "Lumi" "st" "ra" "vol.": the program's own volume changes carry it as their event context.
static const GUID kVolumeEventContext = {0x4C756D69, 0x7374, 0x7261, {'v', 'o', 'l', '.', 0, 0, 0, 0}};

// Written by the callbacks' system threads, read by the main thread after the posted command.
std::atomic<HWND> g_window{nullptr};
std::atomic<std::uint32_t> g_notifiedScalar{0};
std::atomic<bool> g_notifiedMuted{false};
std::atomic<bool> g_notified{false};

void Post(std::uint32_t command, LPARAM lParam) {
    if (const HWND window = g_window.load()) PostMessageW(window, WM_COMMAND, command, lParam);
}

class CAudioEndpointVolumeCallback final : public ComObject<IAudioEndpointVolumeCallback> {
public:
    HRESULT STDMETHODCALLTYPE OnNotify(PAUDIO_VOLUME_NOTIFICATION_DATA data) override {
        if (data == nullptr) return E_INVALIDARG;
        g_notifiedScalar = std::bit_cast<std::uint32_t>(data->fMasterVolume);
        g_notifiedMuted = data->bMuted != FALSE;
        g_notified = true;
        Post(kCommandAudioVolumeNotified, 0);
        return S_OK;
    }

private:
    const IID& Iid() const override { return kVolumeCallbackIid; }
};

class CMMNotificationClient final : public ComObject<IMMNotificationClient> {
public:
    HRESULT STDMETHODCALLTYPE OnDeviceStateChanged(LPCWSTR, DWORD) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnDeviceAdded(LPCWSTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnDeviceRemoved(LPCWSTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnDefaultDeviceChanged(EDataFlow flow, ERole role, LPCWSTR) override {
        Post(kCommandAudioDefaultDeviceChanged,
             AudioDeviceChangeParam(static_cast<AudioFlow>(flow), static_cast<AudioRole>(role)));
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE OnPropertyValueChanged(LPCWSTR, const PROPERTYKEY) override { return S_OK; }

private:
    const IID& Iid() const override { return kNotificationClientIid; }
};

struct Attached {
    ComRef<IMMDeviceEnumerator> enumerator;
    ComRef<IMMDevice> device;
    ComRef<IAudioEndpointVolume> endpoint;
    ComRef<IAudioEndpointVolumeCallback> callback;  // set only while registered
    ComRef<IMMNotificationClient> client;           // set only while registered
};
Attached g_attached;

bool CreateEnumerator(ComRef<IMMDeviceEnumerator>& enumerator) {
    return SUCCEEDED(CoCreateInstance(kDeviceEnumeratorClass, nullptr, CLSCTX_ALL, kDeviceEnumeratorIid,
                                      enumerator.outVoid()));
}

bool OpenDefaultEndpoint(IMMDeviceEnumerator* enumerator, ComRef<IMMDevice>& device,
                         ComRef<IAudioEndpointVolume>& endpoint) {
    return SUCCEEDED(enumerator->GetDefaultAudioEndpoint(eRender, eConsole, device.out())) &&
           SUCCEEDED(device->Activate(kEndpointVolumeIid, CLSCTX_ALL, nullptr, endpoint.outVoid()));
}

// Reads and writes use an endpoint of their own, so they never depend on the attached one.
template <typename Act>
bool WithEndpoint(Act act) {
    ComRef<IMMDeviceEnumerator> enumerator;
    ComRef<IMMDevice> device;
    ComRef<IAudioEndpointVolume> endpoint;
    return CreateEnumerator(enumerator) && OpenDefaultEndpoint(enumerator.get(), device, endpoint) &&
           act(endpoint.get());
}

}  // namespace

bool AudioCreateEnumerator() {
    g_window = MainWindowHandle();
    return CreateEnumerator(g_attached.enumerator);
}

bool AudioAttachDefaultDevice() {
    if (!g_attached.enumerator) return false;
    if (OpenDefaultEndpoint(g_attached.enumerator.get(), g_attached.device, g_attached.endpoint)) return true;
    AudioReleaseDevice();
    return false;
}

bool AudioRegisterVolumeCallback() {
    if (!g_attached.endpoint) return false;
    auto* callback = new CAudioEndpointVolumeCallback;
    if (FAILED(g_attached.endpoint->RegisterControlChangeNotify(callback))) {
        callback->Release();
        return false;
    }
    *g_attached.callback.out() = callback;
    return true;
}

void AudioReleaseDevice() {
    if (g_attached.callback && g_attached.endpoint)
        g_attached.endpoint->UnregisterControlChangeNotify(g_attached.callback.get());
    g_attached.callback.reset();
    g_attached.endpoint.reset();
    g_attached.device.reset();
}

bool AudioReadDeviceName(std::wstring& name) {
    ComRef<IPropertyStore> properties;
    if (!g_attached.device || FAILED(g_attached.device->OpenPropertyStore(STGM_READ, properties.out()))) return false;
    PROPVARIANT value;
    PropVariantInit(&value);
    const bool read = SUCCEEDED(properties->GetValue(kFriendlyName, &value)) && value.vt == VT_LPWSTR &&
                      value.pwszVal != nullptr;
    if (read) name = value.pwszVal;
    PropVariantClear(&value);
    return read;
}

bool AudioRegisterDeviceNotifications() {
    if (!g_attached.enumerator) return false;
    auto* client = new CMMNotificationClient;
    if (FAILED(g_attached.enumerator->RegisterEndpointNotificationCallback(client))) {
        client->Release();
        return false;
    }
    *g_attached.client.out() = client;
    return true;
}

void AudioReleaseEnumerator() {
    g_window = nullptr;
    if (g_attached.client && g_attached.enumerator)
        g_attached.enumerator->UnregisterEndpointNotificationCallback(g_attached.client.get());
    g_attached.client.reset();
    g_attached.enumerator.reset();
}

bool AudioReadEndpoint(AudioEndpointState& state) {
    return WithEndpoint([&state](IAudioEndpointVolume* endpoint) {
        float scalar = 0.0f;
        UINT step = 0, steps = 0;
        BOOL muted = FALSE;
        if (FAILED(endpoint->GetMasterVolumeLevelScalar(&scalar)) || FAILED(endpoint->GetVolumeStepInfo(&step, &steps)) ||
            FAILED(endpoint->GetMute(&muted)))
            return false;
        state = {scalar, muted != FALSE};
        return true;
    });
}

bool AudioWriteVolume(float scalar) {
    return WithEndpoint([scalar](IAudioEndpointVolume* endpoint) {
        return SUCCEEDED(endpoint->SetMasterVolumeLevelScalar(scalar, &kVolumeEventContext));
    });
}

bool AudioWriteMute(bool mute) {
    return WithEndpoint([mute](IAudioEndpointVolume* endpoint) {
        return SUCCEEDED(endpoint->SetMute(mute ? TRUE : FALSE, &kVolumeEventContext));
    });
}

bool AudioTakeNotification(AudioEndpointState& state) {
    if (!g_notified.exchange(false)) return false;
    state = {std::bit_cast<float>(g_notifiedScalar.load()), g_notifiedMuted.load()};
    return true;
}

bool AudioSystemShowsVolumeDisplay() { return IsWindows8OrGreater(); }

void AudioSendVolumeKeys(bool firstUp) {
    const HWND window = MainWindowHandle();
    if (window == nullptr) return;
    for (const bool up : {firstUp, !firstUp}) {
        const short command = up ? APPCOMMAND_VOLUME_UP : APPCOMMAND_VOLUME_DOWN;
        SendMessageW(window, WM_APPCOMMAND, reinterpret_cast<WPARAM>(window), MAKELPARAM(0, command));
    }
}
