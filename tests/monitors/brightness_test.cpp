#include "monitors/brightness.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>

#include "monitors/monitor_list.h"
#include "monitors/monitor_table.h"
#include "res/resource.h"
#include "settings/settings.h"
#include "testing/fakes/clock_fake.h"
#include "testing/fakes/control_panel_fake.h"
#include "testing/fakes/main_window_fake.h"
#include "testing/fakes/monitor_list_view_fake.h"
#include "testing/program_state.h"
#include "testing/sim/sim_model.h"

namespace {

using Io = std::vector<std::string>;

struct SimMonitorSpec {
    std::uint32_t brightness = 50, brightnessMax = 100, contrast = 50, contrastMax = 100;
};

class BrightnessTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
        g_monitors.startupPass = false;
    }

    // One monitor per display, its entry agreeing with it as after a discovery pass.
    static void Install(const std::vector<SimMonitorSpec>& monitors) {
        SimConfig config;
        config.latencies = SimLatencies{.enumerate = 0, .reply = 0, .write = 0, .capsFragment = 0};
        for (std::size_t i = 0; i < monitors.size(); ++i) {
            const SimMonitorSpec& spec = monitors[i];
            SimMonitor monitor;
            monitor.vcp[0x10] = SimVcp{.current = spec.brightness, .maximum = spec.brightnessMax};
            monitor.vcp[0x12] = SimVcp{.current = spec.contrast, .maximum = spec.contrastMax};
            config.displays.push_back({.deviceName = L"\\\\.\\DISPLAY" + std::to_wstring(i + 1), .monitors = {monitor}});
            MonitorEntry& entry = g_monitors.entries[i];
            entry.deviceUid = L"uid" + std::to_wstring(i);
            entry.answered = true;
            entry.brightnessMax = static_cast<std::int32_t>(spec.brightnessMax);
            entry.brightness = static_cast<std::int32_t>(spec.brightness * 100 / spec.brightnessMax);
            entry.contrastMax = static_cast<std::int32_t>(spec.contrastMax);
            entry.contrast = static_cast<std::int32_t>(spec.contrast * 100 / spec.contrastMax);
            const std::int32_t row = MonitorListAppend(L"Monitor" + std::to_wstring(i + 1));
            MonitorListSetCell(row, kColumnBrightness, std::to_wstring(entry.brightness));
            g_settings.known[i].mUID = entry.deviceUid;
        }
        SimLoad(config);
    }

    // Monitor traffic only (display walks left out), e.g. "SetMonitorBrightness m1 80".
    static Io MonitorIo() {
        Io io;
        for (const SimTransaction& t : SimTransactions()) {
            if (t.monitor < 0 || t.operation == "DestroyPhysicalMonitors") continue;
            std::string line = t.operation + " m" + std::to_string(t.monitor);
            if (t.operation.starts_with("Set")) line += " " + std::to_string(t.valueIn);
            if (t.operation == "SetVCPFeature") line += " code " + std::to_string(t.code);
            io.push_back(line);
        }
        return io;
    }
};

TEST_F(BrightnessTest, LimitsOfTheSelectedMonitorAndItsRawRange) {
    const struct {
        bool contrast;
        std::int32_t limitMin, limitMax;
        std::uint32_t rawMax, request;
        const char* write;
        std::int32_t shown;
    } cases[] = {
        {false, 20, 80, 100, 150, "SetMonitorBrightness m0 80", 80},
        {false, 20, 80, 100, 5, "SetMonitorBrightness m0 20", 20},
        {false, 0, 100, 50, 80, "SetMonitorBrightness m0 40", 80},
        {true, 30, 60, 200, 90, "SetMonitorContrast m0 120", 60},
    };
    for (const auto& c : cases) {
        SetUp();
        Install({{.brightness = 25, .brightnessMax = c.rawMax, .contrast = 25, .contrastMax = c.rawMax}});
        MonitorEntry& entry = g_monitors.entries[0];
        (c.contrast ? entry.contrastLimitMin : entry.brightnessLimitMin) = c.limitMin;
        (c.contrast ? entry.contrastLimitMax : entry.brightnessLimitMax) = c.limitMax;
        c.contrast ? SetContrast(c.request) : SetBrightness(c.request);

        SCOPED_TRACE(c.write);
        EXPECT_EQ(MonitorIo(), Io{c.write});
        EXPECT_EQ(c.contrast ? entry.contrast : entry.brightness, c.shown);
        EXPECT_EQ(FakeControlText(c.contrast ? 1003 : 1002),
                  (c.contrast ? L"Contrast " : L"Brightness ") + std::to_wstring(c.shown));
        EXPECT_EQ(FakeSliderPosition(c.contrast ? 1039 : 1038), 100 - c.shown);
        // Only a brightness change starts the transfer to other monitors.
        EXPECT_EQ(FakeMainWindowTimerActive(kTimerBrightnessTransfer), !c.contrast);
        EXPECT_EQ(g_settings.known[0].*(c.contrast ? &KnownMonitor::MonitorContrast : &KnownMonitor::MonitorBrightness),
                  c.shown);
    }
}

// Retries and read-backs: whole writes when the monitor refuses or reads back another value,
// read-backs alone when only they fail; the entry keeps its value unless one was confirmed.
// A value already shown costs no traffic unless values are reread.
TEST_F(BrightnessTest, WritesAreRetriedAndVerified) {
    const Io tenWrites(10, "SetMonitorBrightness m0 30");
    Io tenMismatches;
    for (int i = 0; i < 10; ++i) tenMismatches.insert(tenMismatches.end(), {"SetMonitorBrightness m0 80", "GetMonitorBrightness m0"});
    const struct {
        const char* what;
        bool verify, save;
        std::uint32_t request;
        std::function<void()> fault;
        Io io;
        std::int32_t kept;
        std::uint64_t sleptMs;  // 0: not checked
    } cases[] = {
        // Retry pauses and the repeat pacing.
        {"refused", false, false, 30, [] { SimFailAlways("SetMonitorBrightness", -1, -1); }, tenWrites, 50, 10 * 100 + 30},
        // The entry's range is stale: the monitor now reports 0..200, so 80 reads back as 40 %.
        {"mismatch", true, false, 80, [] { SimMonitorAt(0)->vcp[0x10].maximum = 200; }, tenMismatches, 50, 0},
        {"read-backs fail", true, true, 30, [] { SimFailNext(3, "GetMonitorBrightness"); },
         {"SetMonitorBrightness m0 30", "SaveCurrentMonitorSettings m0", "GetMonitorBrightness m0", "GetMonitorBrightness m0",
          "GetMonitorBrightness m0", "SetMonitorBrightness m0 30", "SaveCurrentMonitorSettings m0", "GetMonitorBrightness m0"},
         30, 0},
        {"unchanged", false, false, 50, [] {}, {}, 50, 0},
        {"unchanged but reread", false, false, 50, [] { g_settings.rereadvalues = true; }, {"SetMonitorBrightness m0 50"}, 50,
         0},
        // The backlight code takes the percent itself, not scaled by the brightness range.
        {"backlight white", true, false, 40,
         [] {
             SimMonitorAt(0)->vcp[0x6B] = SimVcp{.current = 10, .maximum = 100};
             g_settings.known[0].use6B = 1;
             g_monitors.entries[0].brightnessMax = 400;
         },
         {"SetVCPFeature m0 40 code 107", "GetVCPFeatureAndVCPFeatureReply m0"}, 40, 0},
        {"samevalues: every monitor with the selected monitor's limits", false, false, 90,
         [] {
             g_settings.samevalues = true;
             g_monitors.selectedMonitor = 1;
             g_monitors.entries[1].brightnessLimitMax = 60;
         },
         {"SetMonitorBrightness m0 60", "SetMonitorBrightness m1 30"}, 60, 0},
    };
    for (const auto& c : cases) {
        SetUp();
        Install({{.brightness = 50}, {.brightness = 25, .brightnessMax = 50}});
        g_settings.verify = c.verify;
        g_settings.savenonvolatile = c.save;
        c.fault();
        const std::int32_t selected = g_monitors.selectedMonitor;
        SetBrightness(c.request);
        SCOPED_TRACE(c.what);
        EXPECT_EQ(MonitorIo(), c.io);
        EXPECT_EQ(SimTransactions().empty(), c.io.empty()) << "no display walk either";
        EXPECT_EQ(g_monitors.entries[0].brightness, c.kept);
        EXPECT_EQ(MonitorListCell(0, kColumnBrightness), std::to_wstring(c.kept));
        EXPECT_EQ(FakeMainWindowTimerActive(kTimerBrightnessTransfer), c.kept != 50 || g_settings.rereadvalues);
        EXPECT_TRUE(c.sleptMs == 0 || FakeClockSleptMilliseconds() == c.sleptMs) << FakeClockSleptMilliseconds();
        EXPECT_EQ(g_monitors.selectedMonitor, selected);
    }
}

TEST_F(BrightnessTest, SelectMonitorByTextReadsTheChosenMonitor) {
    Install({{.brightness = 50}, {.brightness = 20, .brightnessMax = 40}});
    g_monitors.entries[1].serialNumber = L"SN-XY77";
    g_monitors.entries[1].brightness = 0;
    const struct {
        const wchar_t* text;
        std::int32_t selected;
        bool read;
    } cases[] = {{L"2", 1, true}, {L"xy7", 1, true}, {L"monitor1", 0, true},
                 {L"0", 0, false}, {L"3", 0, false}, {L"x", 0, false}, {L"absent", 0, false}};
    for (const auto& c : cases) {
        g_monitors.selectedMonitor = 0;
        EXPECT_EQ(SelectMonitorByText(c.text).read, c.read) << c.text;
        EXPECT_EQ(g_monitors.selectedMonitor, c.selected) << c.text;
    }
    EXPECT_EQ(g_monitors.entries[1].brightness, 50);
}

// Offsets and factors come from the settings file unchecked; any of them must still give 0..100.
TEST_F(BrightnessTest, TransferAppliesOffsetAndBandFactor) {
    const std::array<float, 4> bands = {1.5f, 0.5f, 0.4f, 2.0f};
    const struct {
        std::uint32_t source;
        std::int32_t offset;
        std::array<float, 4> div;
        std::uint32_t expected;  // 50: nothing to write
    } cases[] = {{60, -70, bands, 0}, {20, 0, bands, 30}, {25, 0, bands, 13}, {40, 0, bands, 20},
                 {74, 0, bands, 30},  {60, 5, bands, 26}, {90, 0, bands, 100}, {30, 80, bands, 100},
                 {60, INT32_MAX, {1, 1, 1, 1}, 100}, {60, INT32_MIN, {1, 1, 1, 1}, 0},
                 {60, 0, {1e30f, 1e30f, 1e30f, 1e30f}, 100}, {60, 0, {-3, -3, -3, -3}, 0},
                 {60, 0, {1.004f, 1.004f, 1.004f, 1.004f}, 60}, {50, 0, {1, 1, 1, 1}, 50}};
    for (const auto& c : cases) {
        SetUp();
        Install({{.brightness = 50}, {.brightness = 50}});
        SimMonitorAt(0)->vcp[0x10].current = c.source;
        g_settings.transferbrightness = true;
        g_settings.source_brightness = L"1";
        g_settings.destination_brightness = L"Monitor2";
        g_settings.offset_brightness = c.offset;
        g_settings.div = c.div;
        TransferBrightness();
        Io expected{"GetMonitorBrightness m0"};
        if (c.expected != 50) expected.push_back("SetMonitorBrightness m1 " + std::to_string(c.expected));
        EXPECT_EQ(MonitorIo(), expected) << c.source << " " << c.offset << " " << c.div[0];
        EXPECT_FALSE(FakeMainWindowTimerActive(kTimerBrightnessTransfer)) << "a transfer never starts another";
    }

    SetUp();
    Install({{.brightness = 10}, {.brightness = 10}, {.brightness = 10}});
    SimMonitorAt(1)->vcp[0x10].current = 70;
    g_settings.transferbrightness = true;
    g_settings.source_brightness = L"2";
    g_settings.destination_brightness = L"*";
    g_monitors.selectedMonitor = 2;
    TransferBrightness();
    EXPECT_EQ(MonitorIo(), (Io{"GetMonitorBrightness m1", "SetMonitorBrightness m0 70", "SetMonitorBrightness m2 70"}));
    EXPECT_EQ(g_monitors.selectedMonitor, 2);
    EXPECT_EQ(FakeControlText(1002), L"Brightness 70");
}

}  // namespace
