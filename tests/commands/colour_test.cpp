#include <gtest/gtest.h>

#include "monitors/colour.h"
#include "tests/commands/command_fixture.h"

namespace {

SimVcp& SimCode(int monitor, std::uint8_t code) { return SimMonitorAt(monitor)->vcp[code]; }
std::string Gain(int kind, int raw) {
    return "SetMonitorRedGreenOrBlueGain m0 " + std::to_string(kind) + "=" + std::to_string(raw);
}
std::string Speaker(int monitor, int raw) { return "SetVCPFeature m" + std::to_string(monitor) + " 98=" + std::to_string(raw); }

TEST_F(CommandTest, ColourValuesWriteTheMonitorsRawRangeAndShowWhatItHolds) {
    const struct {
        const char* what;
        void (*prepare)();  // before the start-up pass
        int selected;
        ColourKind kind;
        std::uint32_t value;
        Writes_ writes;
        bool (*holds)(std::uint64_t sleptMs);
    } cases[] = {
        {"gains from 0..255 to the raw 0..100", [] { SimCode(0, 0x16).current = 10; }, 0, ColourKind::Red, 128,
         {Gain(0, 50)},
         [](std::uint64_t) { return Entry(0).red == 128 && FakeControlText(kLabelRed) == L"R128"; }},
        {"the top of the scale", nullptr, 0, ColourKind::Green, 255, {Gain(1, 100)},
         [](std::uint64_t) { return MonitorListCell(0, kColumnGreen) == L"255"; }},
        {"an unchanged value is not written", nullptr, 0, ColourKind::Speaker, 30, {}, nullptr},
        {"unless values are reread", [] { g_settings.rereadvalues = true; }, 0, ColourKind::Speaker, 30, {Speaker(0, 30)},
         nullptr},
        {"verify takes the read-back value, 16 of 50",
         [] {
             SimCode(0, 0x62) = {.current = 10, .maximum = 50};
             g_settings.verify = g_settings.savenonvolatile = true;
         },
         0, ColourKind::Speaker, 31, {Speaker(0, 16), "SaveCurrentMonitorSettings m0 0"},
         [](std::uint64_t) { return Entry(0).speakerVolume == 32 && FakeControlText(kLabelSpeaker) == L"V32"; }},
        {"without a maximum no read-back is usable: every attempt writes, the value stays",
         [] {
             SimCode(1, 0x62) = {.current = 0, .maximum = 0};
             g_settings.verify = true;
         },
         1, ColourKind::Speaker, 30, Writes_(10, Speaker(1, 0)), [](std::uint64_t) { return Entry(1).speakerVolume == 0; }},
        {"a refused write is tried ten times, pausing, and changes nothing",
         [] { SimFailAlways("SetMonitorRedGreenOrBlueGain", -1, -1); }, 0, ColourKind::Red, 200, Writes_(10, Gain(0, 78)),
         [](std::uint64_t sleptMs) { return Entry(0).red == 128 && sleptMs >= 10 * 100; }},
        {"same values go to every monitor; the selection is restored",
         [] {
             SimCode(1, 0x62) = {.current = 0, .maximum = 100};
             g_settings.samevalues = true;
         },
         1, ColourKind::Speaker, 40, {Speaker(0, 40), Speaker(1, 40)},
         [](std::uint64_t) { return g_monitors.selectedMonitor == 1; }},
        {"an eleventh monitor, chosen by its display, has no entry to write through",
         [] {
             SimConfig config = SimCurrent();
             config.displays.resize(kMonitorCount + 1, config.displays.front());
             SimLoad(config);
         },
         kMonitorCount, ColourKind::Red, 7, {}, nullptr},
    };
    for (const auto& c : cases) {
        SetUp();
        if (c.prepare) c.prepare();
        Discover();
        g_monitors.selectedMonitor = c.selected;
        const std::uint64_t slept = FakeClockSleptMilliseconds();
        SetColourValue(c.kind, c.value);
        EXPECT_EQ(Writes(), c.writes) << c.what;
        EXPECT_TRUE(!c.holds || c.holds(FakeClockSleptMilliseconds() - slept)) << c.what;
    }
}

}  // namespace
