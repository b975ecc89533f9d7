// The control panel over the simulator's two monitors: what it shows for each, and where each
// user action ends up on the bus.
#include "tests/commands/command_fixture.h"
#include "platform/requests.h"
#include "testing/fakes/message_box_fake.h"
#include "testing/fakes/panel_window_fake.h"
#include "tray/panel_placement.h"
#include "monitors/monitor_info_text.h"
#include "ui/control_panel_layout.h"
#include "ui/control_panel_tips.h"
#include "ui/display_rotation.h"
#include "testing/fakes/display_config_fake.h"

namespace {

class ControlPanel : public CommandTest {};

TEST_F(ControlPanel, ShowsWhatTheSelectedMonitorHas) {
    SimMonitorAt(0)->vcp[0x14].current = 0x0B;  // User1: the gains can be set
    Discover();
    const struct {
        int monitor;
        bool laptop, advanced, saturation;
        std::vector<int> shown, hidden;
        std::vector<std::wstring> inputs;
        std::int32_t redPosition;
    } cases[] = {
        {0, false, true, false, {kSliderRed, kSliderSpeaker, kComboInput, kSliderContrast, kButtonRotate},
         {kLabelNoColours, kSliderSaturation, kLabelLaptopContrast, kLabelLaptopLevels}, {L"VGA1"}, 127},
        {1, false, true, true, {kLabelNoColours, kSliderSaturation, kComboInput},
         {kSliderRed, kSliderSpeaker}, {L"DisplayPort1", L"HDMI1", L"HDMI2"}, 255},
        {0, true, true, false, {kLabelLaptopContrast, kLabelLaptopLevels},
         {kSliderRed, kSliderSpeaker, kComboInput, kSliderContrast, kButtonContrastLast}, {L"VGA1"}, 127},
        {0, false, false, true, {kSliderContrast, kSliderVolume},
         {kSliderRed, kSliderSpeaker, kSliderSaturation, kComboInput, kButtonRotate}, {L"VGA1"}, 127},
    };
    for (const auto& c : cases) {
        FakeControlPanelReset();
        for (int id : c.hidden) ControlSetVisible(id, true);  // as the template shows them
        MonitorEntry& entry = Entry(c.monitor);
        entry.isLaptopPanel = c.laptop;
        entry.saturationInfo.maximum = c.saturation ? 100 : 0;
        g_settings.showRGB = c.advanced;
        g_monitors.selectedMonitor = c.monitor;
        PanelShowControls(c.monitor, true);
        PanelShowValues(c.monitor);
        PanelArrange();
        for (int id : c.shown) EXPECT_TRUE(FakeControlShown(id)) << c.monitor << " " << id;
        for (int id : c.hidden) EXPECT_FALSE(FakeControlShown(id)) << c.monitor << " " << id;
        EXPECT_EQ(FakeComboState(kComboInput).items, c.inputs) << c.monitor;
        EXPECT_EQ(FakeSliderPosition(kSliderRed), c.redPosition) << c.monitor;
        EXPECT_EQ(FakeControlChecked(kCheckAdvanced), c.advanced);
        EXPECT_EQ(FakePanelWindow().layout.shift, c.advanced ? 0 : 128) << "the window narrows by the column";
        EXPECT_EQ(PanelControlTip(kButtonPower).starts_with(L"Laptop"), c.laptop);
    }
}

// A slider's position counts from its top; sliders write when their timer fires, and steps
// faster than the bus write the last value once.
TEST_F(ControlPanel, EachActionWritesWhatTheCommandWould) {
    const struct {
        int monitor;
        std::vector<std::pair<int, std::int32_t>> moves;  // slider, position; none: a click or a choice
        int control;
        std::wstring choice;
        bool confirmed;
        Writes_ writes;
    } cases[] = {
        {0, {{kSliderBrightness, 40}}, 0, L"", true, {"SetMonitorBrightness m0 16=60"}},
        {1, {{kSliderContrast, 0}}, 0, L"", true, {"SetMonitorContrast m1 18=100"}},
        {0, {{kSliderRed, 55}}, 0, L"", true, {"SetMonitorRedGreenOrBlueGain m0 0=78"}},
        {0, {{kSliderSpeaker, 60}}, 0, L"", true, {"SetVCPFeature m0 98=40"}},
        {0, {{kSliderBrightness, 40}, {kSliderBrightness, 30}, {kSliderBrightness, 20}, {kSliderContrast, 10}},
         0, L"", true, {"SetMonitorBrightness m0 16=80", "SetMonitorContrast m0 18=90"}},
        {1, {}, kButtonContrastLast, L"", true, {"SetMonitorContrast m1 18=100"}},
        {0, {}, kComboColourTemp, L"9300K", true, {"SetVCPFeature m0 20=8"}},
        {1, {}, kComboInput, L"HDMI2", true, {"SetVCPFeature m1 96=18"}},
        {1, {}, kComboInput, L"HDMI2", false, {}},
        {0, {}, kButtonReset, L"", true, {"SetVCPFeature m0 4=1"}},
        {0, {}, kButtonReset, L"", false, {}},
    };
    for (const auto& c : cases) {
        ResetProgramState();
        Discover();
        FakeMessageBoxAnswerAskOnce(c.confirmed);
        g_monitors.selectedMonitor = c.monitor;
        for (const auto& [slider, position] : c.moves) EXPECT_TRUE(PanelSliderMoved(slider, position));
        if (c.moves.empty()) {
            EXPECT_TRUE(PanelControlUsed(c.control, c.choice));
        } else {
            EXPECT_TRUE(Writes().empty());
            EXPECT_TRUE(FakeMainWindowTimerActive(kTimerSliderWrite));
            PanelWriteSliderValues();
            PanelWriteSliderValues();
        }
        EXPECT_EQ(Writes(), c.writes) << c.control << " " << c.moves.size();
    }
}

// Placed controls stay apart and inside the window, the rightmost ending at its margin.
TEST(ControlPanelLayout, EachArrangementHoldsItsControls) {
    const struct {
        bool advanced, volume;
        std::int32_t width;
        int turnOff;
    } cases[] = {{true, true, 272, IDC_TURN_OFF_WIDE},
                 {true, false, 252, IDC_TURN_OFF_WIDE},
                 {false, true, 144, IDC_TURN_OFF_WIDE},
                 {false, false, 102, IDC_TURN_OFF_SHORT}};
    for (const auto& c : cases) {
        const PanelLayout layout = ComputePanelLayout(c.advanced, c.volume);
        EXPECT_EQ(layout.width, c.width);
        std::int32_t right = 0;
        for (const PanelPlace& a : layout.places) {
            right = std::max(right, a.left + a.width);
            EXPECT_EQ(a.control == IDC_TURN_OFF_WIDE || a.control == IDC_TURN_OFF_SHORT, a.control == c.turnOff);
            for (const PanelPlace& b : layout.places) {
                const bool apart = a.left + a.width <= b.left || b.left + b.width <= a.left ||
                                   a.top + a.height <= b.top || b.top + b.height <= a.top;
                EXPECT_TRUE(&a == &b || apart) << c.width << ": " << a.control << " on " << b.control;
            }
        }
        EXPECT_EQ(right, c.width - 2);
    }
}

// Each attempt turns a quarter further with the size as it was, then exchanged; the first
// success ends it. An unreadable mode changes nothing.
TEST_F(ControlPanel, RotationTurnsOnUntilTheDisplayTakesIt) {
    Discover();
    g_monitors.selectedMonitor = 0;
    const struct {
        bool readable;
        std::size_t succeedAt;
        std::wstring applied;
    } cases[] = {{true, 0, L"3:1920 "}, {true, 1, L"3:1920 3:1080 "}, {true, 2, L"3:1920 3:1080 2:1080 "},
                 {true, 8, L"3:1920 3:1080 2:1080 2:1920 1:1920 1:1080 0:1080 0:1920 "}, {false, 0, L""}};
    for (const auto& c : cases) {
        FakeDisplayConfigReset();
        FakeDisplayMode().readable = c.readable;
        FakeDisplayMode().succeedAt = c.succeedAt;
        RotateSelectedDisplay();
        std::wstring applied;
        for (const DisplayMode& mode : FakeDisplayMode().applied)
            applied += std::to_wstring(mode.orientation) + L":" + std::to_wstring(mode.width) + L" ";
        EXPECT_EQ(applied, c.applied);
        EXPECT_EQ(FakeDisplayMode().device, L"\\\\.\\" + Entry(0).gdiDeviceName);
    }
}

// -2: the pointer is away from the list; -1: over the list but no line. A line is set once.
TEST_F(ControlPanel, ListTooltipFollowsTheLineUnderThePointer) {
    Discover();
    PanelClearTooltips();
    const std::int32_t lines[] = {1, 1, 0, -2, 0, -1};
    for (std::int32_t line : lines) {
        FakePanelWindow().pointerLine = line;
        PanelListTipFollowPointer();
        EXPECT_EQ(FakePanelWindow().listTip, line >= 0 ? BuildMonitorInfoText(line).text : L"") << line;
    }
    EXPECT_EQ(FakePanelWindow().listTipSet, 5u);
}

// Off the desktop on an axis: 0 there; then wholly inside the work area. A save keeps where
// the panel is, wherever the user dragged it.
TEST_F(ControlPanel, OpensAtTheRememberedPlaceInsideTheWorkArea) {
    const struct {
        std::int32_t lastx, lasty, left, top;
    } cases[] = {{100, 200, 100, 200}, {-1500, 2000, 0, 0}, {1500, 660, 1500, 640}};
    for (const auto& c : cases) {
        FakePanelWindow().rect = {0, 0, 300, 400};
        g_settings.lastx = c.lastx;
        g_settings.lasty = c.lasty;
        PlacePanelAtIcon();
        EXPECT_EQ(std::pair(FakePanelWindow().rect.left, FakePanelWindow().rect.top), std::pair(c.left, c.top));
        FakePanelWindow().rect = {7, 9, 307, 409};
        SaveSettingsPair();
        EXPECT_EQ(std::pair(g_settings.lastx, g_settings.lasty), std::pair(7, 9));
    }
}

}  // namespace
