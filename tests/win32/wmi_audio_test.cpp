// Wine answers WMI's monitor classes with no instances and has no audio endpoint here: the
// adapters must come back at once, with nothing, and leave nothing registered.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/core_audio.h"
#include "platform/shell.h"
#include "platform/wmi.h"

namespace {

TEST(WmiAndCoreAudio, AMachineWithoutPanelOrSoundAnswersEmpty) {
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    std::vector<WmiMonitorIdRecord> ids;
    std::vector<WmiBrightnessRecord> brightness;
    std::vector<WmiMethodTarget> methods;
    const DWORD start = GetTickCount();
    EXPECT_TRUE(WmiQueryMonitorIds(ids) && WmiQueryBrightness(brightness) && WmiQueryBrightnessMethods(methods));
    EXPECT_LT(GetTickCount() - start, kWmiWaitMs) << "a query with nothing to find waited";
    EXPECT_TRUE(ids.empty() && brightness.empty() && methods.empty());
    EXPECT_FALSE(WmiSetBrightness(L"\\\\.\\ROOT\\WMI:WmiMonitorBrightnessMethods.InstanceName=\"none\"", 50));
    WmiSubscribeBrightnessEvents();
    WmiUnsubscribeBrightnessEvents();

    EXPECT_TRUE(AudioCreateEnumerator());
    EXPECT_FALSE(AudioAttachDefaultDevice() || AudioRegisterVolumeCallback());
    AudioEndpointState state{0.7f, true};
    EXPECT_FALSE(AudioReadEndpoint(state) || AudioWriteVolume(0.3f) || AudioTakeNotification(state));
    EXPECT_EQ(state.scalar, 0.7f);
    AudioReleaseDevice();
    EXPECT_TRUE(AudioRegisterDeviceNotifications());
    AudioReleaseEnumerator();
    if (SUCCEEDED(com)) CoUninitialize();
}

// An EDID text's bytes above 0x7F are characters of the ANSI code page (1252 here).
TEST(WmiAndCoreAudio, EdidTextIsReadInTheAnsiCodePage) { EXPECT_EQ(ShellTextFromAnsi("G028T\x80"), L"G028T\u20AC"); }

}  // namespace
