#include "audio/audio.h"

#include <gtest/gtest.h>

#include "res/resource.h"
#include "testing/fakes/control_panel_fake.h"
#include "testing/fakes/core_audio_fake.h"
#include "testing/fakes/main_window_fake.h"
#include "testing/program_state.h"

namespace {

TEST(Audio, NotifiedVolumeMovesTheSliderPastItsTargetFirst) {
    const struct {
        float scalar;
        bool muted;
        std::vector<std::int32_t> moves;
        const wchar_t* label;
    } cases[] = {
        {1.0f, false, {1, 0}, L"Volume 100"},
        {0.3f, true, {69, 70}, L"Volume 30"},
        {0.004f, false, {99, 100}, L"Volume 0"},
    };
    for (const auto& c : cases) {
        ResetProgramState();
        AttachAudio();
        FakeDialog(DialogWindow::ControlPanel).sliderMoves.clear();
        FakeAudioState().notification = AudioEndpointState{c.scalar, c.muted};
        OnAudioVolumeNotified();
        EXPECT_EQ(FakeDialog(DialogWindow::ControlPanel).sliderMoves[IDC_VOLUME_SLIDER], c.moves) << c.scalar;
        EXPECT_EQ(FakeControlText(IDC_VOLUME_LABEL), c.label);
        EXPECT_EQ(FakeControlChecked(IDC_MUTE), c.muted);
        EXPECT_EQ(DefaultAudioDeviceMuted(), c.muted);
    }
}

TEST(Audio, OnlyTheConsoleRenderDeviceChangingReattachesAndTheCallbackMoves) {
    const struct {
        AudioFlow flow;
        AudioRole role;
        bool reattach;
    } cases[] = {
        {AudioFlow::Render, AudioRole::Console, true},
        {AudioFlow::All, AudioRole::Console, true},
        {AudioFlow::Render, AudioRole::Communications, false},
        {AudioFlow::Render, AudioRole::Multimedia, false},
        {AudioFlow::Capture, AudioRole::Console, false},
    };
    for (const auto& c : cases) {
        ResetProgramState();
        AttachAudio();
        OnDefaultAudioDeviceChanged(AudioDeviceChangeParam(c.flow, c.role));
        EXPECT_EQ(FakeMainWindowActiveTimers().count(kTimerAudioReattach) == 1, c.reattach);
        EXPECT_EQ(FakeAudioState().deviceAttaches, 1) << "a change alone does not re-register";
    }
    // The reattach itself moves the callback and keeps a name that fits.
    ResetProgramState();
    FakeAudioState().name = std::wstring(63, L'n');
    AttachAudio();
    FakeAudioState().name = std::wstring(64, L'l');
    FakeAudioState().endpoint = AudioEndpointState{0.25f, false};
    ReattachAudio();
    EXPECT_EQ(DefaultAudioDeviceName(), std::wstring(63, L'n'));
    EXPECT_EQ(FakeAudioState().deviceAttaches, 2);
    EXPECT_EQ(FakeAudioState().callbacks, 1);
    EXPECT_EQ(CurrentVolumePercent(), 25);
}

TEST(Audio, WithoutADeviceNothingIsShownOrChanged) {
    ResetProgramState();
    FakeAudioState().device = false;
    FakeAudioState().endpoint.reset();
    AttachAudio();
    EXPECT_FALSE(SetVolume(0.3f) || SetMute(true));
    EXPECT_EQ(FakeControlText(IDC_VOLUME_LABEL), L"Volume ");
    for (const int control : {IDC_VOLUME_SLIDER, IDC_VOLUME_ICON, IDC_MUTE}) {
        EXPECT_FALSE(FakeDialog(DialogWindow::ControlPanel).enabled.at(control)) << control;
    }
}

TEST(Audio, ExitUnregistersEverythingAndIgnoresLateNotifications) {
    ResetProgramState();
    AttachAudio();
    DetachAudio();
    EXPECT_EQ(FakeAudioState().callbacks + FakeAudioState().clients + FakeAudioState().enumerators, 0);
    FakeAudioState().notification = AudioEndpointState{0.9f, true};
    const std::uint32_t redraws = FakeControlPanelRedraws();
    OnAudioVolumeNotified();
    OnDefaultAudioDeviceChanged(AudioDeviceChangeParam(AudioFlow::Render, AudioRole::Console));
    ReattachAudio();
    EXPECT_EQ(FakeControlPanelRedraws(), redraws);
    EXPECT_EQ(CurrentVolumePercent(), 50);
    EXPECT_FALSE(FakeMainWindowTimerActive(kTimerAudioReattach));
    EXPECT_EQ(FakeAudioState().deviceAttaches, 1);
}

}  // namespace
