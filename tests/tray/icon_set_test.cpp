#include "tray/icon_set.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "app/timer_table.h"
#include "audio/audio.h"
#include "monitors/discovery.h"
#include "monitors/monitor_list.h"
#include "monitors/monitor_table.h"
#include "platform/main_window.h"
#include "res/resource.h"
#include "settings/settings.h"
#include "settings/ui_language.h"
#include "testing/fakes/clock_fake.h"
#include "testing/fakes/control_panel_fake.h"
#include "testing/fakes/icon_image_fake.h"
#include "testing/fakes/main_window_fake.h"
#include "testing/fakes/message_box_fake.h"
#include "testing/fakes/notify_icon_fake.h"
#include "testing/fakes/panel_window_fake.h"
#include "testing/fakes/requests_fake.h"
#include "testing/program_state.h"
#include "testing/sim/sim_model.h"
#include "tray/panel_placement.h"

namespace {

// The two monitors of the simulator, found by a discovery pass, owned by an existing main window.
void StartWithMonitors(const std::function<void()>& before = [] {}) {
    ResetProgramState();
    MainWindowAttach(1);
    for (int i = 0; i < kMonitorCount; ++i) g_monitors.entries[i].deviceUid = L"UID" + std::to_wstring(i);
    before();
    DiscoverMonitors(false);
}

// The shell's icons in the order they were added: kind letter and collision counter.
std::string TrayText() {
    std::string text;
    for (const NotifyIconRecord& icon : FakeTrayIcons()) {
        text += std::string(text.empty() ? "" : " ") + "VCBMPS"[IconGuidKind(icon.guid)] +
                std::to_string(IconGuidCounter(icon.guid));
    }
    return text;
}

TEST(IconSet, WhichIconsExistForMonitorsAndFlagsAndAllGoAtExit) {
    struct Case {
        const char* name;
        std::function<void()> beforePass;
        std::function<void()> afterPass;
        std::string icons;
    };
    const Case cases[] = {
        {"three monitors, one volume icon", [] { SimCurrent().displays.push_back(SimCurrent().displays[0]); }, [] {},
         "B0 C0 V0 B1 C1 B2 C2"},
        {"a laptop panel has no contrast icon", [] {}, [] { g_monitors.entries[0].isLaptopPanel = true; },
         "B0 V0 B1 C0"},
        {"only a saturation range gives a saturation icon", [] {},
         [] { g_monitors.entries[1].saturationInfo.maximum = 100; }, "B0 C0 V0 S0 B1 C1"},
        {"samevalues leaves one set", [] { g_settings.samevalues = true; }, [] {}, "B0 C0 V0"},
        {"an older file's combined flag", [] { g_settings.showcombinedicon = 1; }, [] {}, "M0 B0 C0 V0 M1 B1 C1"},
        {"no volume icon", [] { g_settings.showvolumeicon = false; }, [] {}, "B0 C0 B1 C1"},
        {"duplicated displays: the second takes counter 1 too", [] {}, [] { g_monitors.cloneMode = true; },
         "B0 C0 V0 B1 C1"},
    };
    for (const Case& c : cases) {
        StartWithMonitors(c.beforePass);
        c.afterPass();
        CreateNotificationIcons();
        UpdateIcons();
        EXPECT_EQ(TrayText(), c.icons) << c.name;
        EXPECT_EQ(FakeIconImagesLive(), FakeTrayIcons().size()) << c.name << ": one image per icon";
        EXPECT_EQ(FakeIconImageBadDestroys(), 0u) << c.name;
    }
    // The last row's duplicated displays tell their icons apart by font.
    EXPECT_EQ(FakeIconDrawingOf(FakeTrayIcons()[0].image)->texts[0].face, L"Trebuchet MS");
    EXPECT_EQ(FakeIconDrawingOf(FakeTrayIcons()[3].image)->texts[0].face, L"Impact");
    RemoveAllIcons();
    EXPECT_EQ(TrayText(), "");
    EXPECT_EQ(FakeIconImagesLive(), 0u);
    EXPECT_EQ(std::ranges::count(FakeNotifyIconCalls(), NotifyCallKind::Delete, &NotifyCall::kind), 190)
        << "every counter of every kind, left over from earlier runs too";
    UpdateIcons();
    EXPECT_EQ(TrayText(), "") << "a value change during the exit adds nothing";
}

TEST(IconSet, AGuidTakenThousandTimesOverGivesUp) {
    for (const bool gaveUp : {false, true}) {
        StartWithMonitors();
        FakeClockReset();
        FakeNotifyIconRefuseAdds(gaveUp ? 1002 : 1001);
        UpdateIcons();
        EXPECT_EQ(TrayText(), gaveUp ? "" : "B1001 C0 V0 B0 C1");
        EXPECT_EQ(FakeClockSleptMilliseconds(), 500u * 50);
        EXPECT_EQ(FakeQuietExitRequests(), gaveUp ? 1u : 0u);
        const auto& boxes = FakeMessageBoxesShown();
        EXPECT_EQ(boxes.empty() ? L"" : boxes[0].title, gaveUp ? L"guid_icon_error" : L"");
        EXPECT_EQ(FakeIconImagesLive(), FakeTrayIcons().size());
    }
}

TEST(IconSet, TooltipsNameTheMonitorAndItsValues) {
    const std::wstring hint = L"Arrange icons by drag &&& drop\nUse mouse wheel over icons";
    const struct {
        const char* name;
        std::uint16_t language;
        bool tooltips;
        std::size_t icon;
        std::wstring tip;
        bool audioDevice = true;
    } cases[] = {
        {"brightness", kLanguageEnglish, true, 0, L"DISPLAY1\nBrightness 75\nC 50\nV 50\n6500K\n" + hint},
        {"contrast, German, user preset, no audio device", kLanguageGerman, true, 4,
         L"DISPLAY2\nH 60\nKontrast 50\nL \nUser1 R128 G64 B32\nOrdne Symbole durch Ziehen\nNutze Mausrad \u00FCber Icons", false},
        {"volume", kLanguageEnglish, true, 2, L"Volume 50\nSpeakers\n" + hint},
        {"volume without a device: no number", kLanguageEnglish, true, 2, L"Volume \n\n" + hint, false},
        {"tooltips off", kLanguageEnglish, false, 0, L""},
    };
    for (const auto& c : cases) {
        StartWithMonitors([&] {
            UiLanguageSet(c.language);
            g_settings.tooltips = c.tooltips;
            if (c.audioDevice) AttachAudio();
        });
        g_monitors.entries[1].colourTempName = L"User1";
        MonitorListSetCell(1, kColumnRed, L"128");
        MonitorListSetCell(1, kColumnGreen, L"64");
        MonitorListSetCell(1, kColumnBlue, L"32");
        UpdateIcons();
        ASSERT_GT(FakeTrayIcons().size(), c.icon) << c.name;
        EXPECT_EQ(FakeTrayIcons()[c.icon].tip, c.tip.substr(0, 127)) << c.name;
    }
}

TEST(IconSet, BalloonOnlyWhileThePanelIsHiddenAndGoneAfterThreeSeconds) {
    const struct {
        const char* name;
        bool notifications, panelVisible;
        NotificationKind kind;
        bool shown;
    } cases[] = {
        {"panel hidden", true, false, NotificationKind::Brightness, true},
        {"panel visible", true, true, NotificationKind::Brightness, false},
        {"balloons off", false, false, NotificationKind::Brightness, false},
        {"hide only", true, false, NotificationKind::HideOnly, false},
    };
    for (const auto& c : cases) {
        StartWithMonitors([&] { g_settings.notifications = c.notifications; });
        UpdateIcons();
        g_monitors.selectedMonitor = 1;
        ControlSetText(IDC_BRIGHTNESS_LABEL, L"Brightness 60");
        FakeControlPanelSetVisible(c.panelVisible);
        ShowNotification(c.kind);
        ASSERT_EQ(FakeBalloons().size(), c.shown ? 1u : 0u) << c.name;
        EXPECT_EQ(FakeMainWindowTimerActive(kTimerBalloonHide), c.shown) << c.name;
        if (!c.shown) continue;
        const NotifyBalloon balloon = FakeBalloons()[0];
        EXPECT_EQ(balloon.text, L"DISPLAY2") << c.name;
        EXPECT_EQ(balloon.title, L"Brightness 60") << c.name;
        EXPECT_EQ(balloon.guid, IconSlotOf(1, IconKind::Brightness).guid) << c.name;
        EXPECT_EQ(FakeMainWindowActiveTimers().at(kTimerBalloonHide), 3000u) << c.name;
        g_monitors.entries[1].brightness = 33;
        UpdateIcons();
        FindMainWindowTimer(kTimerBalloonHide)->work();
        ASSERT_EQ(FakeBalloons().size(), 2u) << c.name;
        EXPECT_EQ(FakeBalloons()[1].text, L"") << c.name;
        EXPECT_NE(FakeTrayIcon(balloon.guid)->tip.find(L"Brightness 33"), std::wstring::npos) << "hiding keeps the new tip";
    }
}

TEST(IconSet, PointsClicksAndThePanelFindTheirIcon) {
    StartWithMonitors();
    UpdateIcons();
    const IconGuid second = IconSlotOf(1, IconKind::Brightness).guid;
    FakeNotifyIconSetRect(second, {500, 1040, 516, 1056});
    EXPECT_EQ(std::pair(HitTestIcons(515, 1055).guid, HitTestIcons(515, 1055).monitor), std::pair(second, L'2'));
    EXPECT_EQ(HitTestIcons(516, 1055).kind, 255) << "right and bottom edges lie outside";

    IconSelected(kIconMessageFirst + 2, IconGuidCounter(second));
    IconSelected(kIconMessageFirst, 0);
    EXPECT_EQ(g_monitors.selectedMonitor, 1) << "the volume icon keeps the selection";
    IconSelected(kIconMessageFirst + 2, IconGuidCounter(second));
    PlacePanelAtIcon();
    ASSERT_TRUE(FakePanelWindow().excluded.has_value());
    EXPECT_EQ(FakePanelWindow().excluded->left, 500);
    EXPECT_EQ(FakePanelWindow().shown, 1u);
    EXPECT_TRUE(FakeMainWindowTimerActive(kTimerPanelToFront));

    // Where the shell cannot tell (Wine), the panel still shows where it was.
    FakePanelWindow().excluded.reset();
    IconSelected(kIconMessageFirst + 1, IconGuidCounter(IconSlotOf(0, IconKind::Contrast).guid));
    PlacePanelAtIcon();
    EXPECT_FALSE(FakePanelWindow().excluded.has_value());
    EXPECT_EQ(FakePanelWindow().shown, 2u);
}

}  // namespace
