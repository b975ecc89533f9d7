#include "monitors/laptop_panel.h"

#include <gtest/gtest.h>

#include "monitors/monitor_table.h"
#include "res/resource.h"
#include "settings/settings.h"
#include "testing/fakes/main_window_fake.h"
#include "testing/fakes/control_panel_fake.h"
#include "testing/fakes/wmi_fake.h"
#include "testing/program_state.h"

namespace {

void InstallPanel(std::vector<std::uint8_t> levels, std::uint8_t current) {
    ResetProgramState();
    FakeWmiState().brightness = {{L"DISPLAY\\LGD0214\\4&1a2b3c&0&UID265988_0", true, current, levels}};
    FakeWmiState().brightnessMethods = {{L"DISPLAY\\LGD0214\\4&1a2b3c&0&UID265988_0", L"path"}};
    AttachLaptopPanel();
}

TEST(LaptopPanel, PercentsBecomeThePanelsLevelsAndBack) {
    const struct {
        std::vector<std::uint8_t> levels;
        std::uint32_t percent;
        std::uint8_t written;
        std::int32_t shown, minimum, maximum;
    } cases[] = {
        {{0, 25, 50, 75, 100}, 33, 25, 25, 0, 100},
        {{0, 25, 50, 75, 100}, 19, 0, 0, 0, 100},
        {{0, 25, 50, 75, 100}, 60, 50, 50, 0, 100},
        {{0, 25, 50, 75, 100}, 61, 75, 75, 0, 100},
        {{0, 25, 50, 75, 100}, 81, 100, 100, 0, 100},
        {{5, 40, 90}, 100, 90, 100, 5, 90},
        {{5, 40, 90}, 0, 5, 0, 5, 90},
        // Not ascending: no table, the percent itself is written and shown.
        {{1, 1, 2}, 33, 33, 33, 0, 100},
    };
    for (const auto& c : cases) {
        InstallPanel(c.levels, 0);
        ASSERT_TRUE(SetPanelBrightness(c.percent)) << c.percent;
        const MonitorEntry& entry = g_monitors.entries[0];
        EXPECT_EQ(FakeWmiState().levelsWritten, std::vector<std::uint8_t>{c.written}) << c.percent;
        EXPECT_EQ(entry.brightness, c.shown) << c.percent;
        EXPECT_EQ(entry.brightnessMin * 1000 + entry.brightnessMax, c.minimum * 1000 + c.maximum) << c.percent;
        EXPECT_TRUE(g_monitors.laptopFound && entry.isLaptopPanel && FakeMainWindowTimerActive(kTimerPanelChangeShown));
    }
    EXPECT_EQ(PanelInstanceName(), L"LGD0214#4&1a2b3c&0&UID265988");
}

TEST(LaptopPanel, ReadsAndEventsShowThePanelsLevelInPercent) {
    InstallPanel({0, 25, 50, 75, 100}, 75);
    g_monitors.entries[1].isLaptopPanel = true;
    ASSERT_TRUE(ReadPanelBrightness(1));
    EXPECT_EQ(g_monitors.entries[1].brightness, 75);

    g_monitors.selectedMonitor = 1;
    OnPanelBrightnessEvent(50);
    EXPECT_EQ(g_monitors.entries[1].brightness, 50);
    EXPECT_TRUE(FakeMainWindowTimerActive(kTimerAfterPanelEvent));
    ASSERT_EQ(FakeControlPanelRedraws(), 1u);
    FakeMainWindowReset();
    OnPanelBrightnessEvent(50);
    EXPECT_TRUE(FakeMainWindowCalls().empty()) << "the same level again changes nothing";
    EXPECT_EQ(FakeControlPanelRedraws(), 1u);

    // The system dims the panel for battery power: with samebrightness it returns to 75.
    PanelNotePowerSourceChanges(1);
    g_settings.samebrightness = true;
    OnPanelBrightnessEvent(75);
    AfterPanelEvent(1);
    EXPECT_TRUE(FakeWmiState().levelsWritten.empty()) << "no change of the power source";
    OnPanelBrightnessEvent(25);
    AfterPanelEvent(2);
    EXPECT_EQ(FakeWmiState().levelsWritten, std::vector<std::uint8_t>{75});

    FakeWmiState() = FakeWmi{};
    EXPECT_FALSE(ReadPanelBrightness(1) || SetPanelBrightness(40) || g_monitors.laptopFound) << "without a panel";
}

}  // namespace
