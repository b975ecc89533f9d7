#include "audio/audio.h"

// No audio endpoint is attached yet: nothing can be changed and nothing is known.
bool SetVolume(float) { return false; }
bool SetMute(bool) { return false; }
std::int32_t CurrentVolumePercent() { return 0; }
bool DefaultAudioDeviceMuted() { return false; }
std::wstring DefaultAudioDeviceName() { return {}; }
void ShowSystemVolumeDisplay(bool) {}
