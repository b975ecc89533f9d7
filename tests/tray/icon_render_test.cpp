#include "tray/icon_render.h"

#include <gtest/gtest.h>

namespace {

struct Expected {
    std::wstring text;
    std::int32_t height, width;
    FontQuality quality;
    std::uint32_t colour;
    bool strikeOut;
    ScreenRect rect;
};

constexpr auto kPlain = FontQuality::NonAntialiased;
constexpr auto kClear = FontQuality::ClearType;

TEST(IconRender, DecisionsForEveryEdgeOfTheNumbers) {
    Settings settings;
    settings.aliasing = 2;
    settings.ColorContrast = 0x00112233;
    const struct {
        const char* name;
        IconKind kind;
        IconValues values;
        std::int32_t size;
        ColorRef brightnessColour;
        std::vector<Expected> texts;
    } cases[] = {
        {"99 keeps the font's width and the smoothing", IconKind::Brightness, {99}, 16, 0xFF,
         {{L"99", 20, 0, kClear, 0xFF, false, {0, 0, 16, 16}}}},
        {"100 is narrowed and unsmoothed", IconKind::Brightness, {100}, 16, 0xFF,
         {{L"100", 20, 5, kPlain, 0xFF, false, {0, 0, 16, 16}}}},
        {"black digits are drawn in 1", IconKind::Brightness, {7}, 16, 0, {{L"7", 20, 0, kClear, 1, false, {0, 0, 16, 16}}}},
        {"a muted volume is struck out", IconKind::Volume, {30, 0, true}, 16, 0xFF,
         {{L"30", 20, 0, kClear, settings.ColorVolume, true, {0, 0, 16, 16}}}},
        {"no audio device: a dash, not a volume of 0", IconKind::Volume, {0, 0, false, true}, 16, 0xFF,
         {{L"-", 20, 0, kClear, settings.ColorVolume, false, {0, 0, 16, 16}}}},
        {"other kinds never are", IconKind::Contrast, {30, 0, true}, 16, 0xFF,
         {{L"30", 20, 0, kClear, 0x00112233, false, {0, 0, 16, 16}}}},
        {"combined at 20 with two 100s", IconKind::Combined, {100, 100}, 20, 0xFF,
         {{L"100", 17, 6, kPlain, 0xFF, false, {0, -3, 20, 17}}, {L"100", 17, 6, kPlain, 0x00112233, false, {0, 4, 20, 24}}}},
        {"combined at 16, one 100 narrows both", IconKind::Combined, {5, 100}, 16, 0xFF,
         {{L"5", 13, 5, kPlain, 0xFF, false, {0, -3, 16, 13}}, {L"100", 13, 5, kPlain, 0x00112233, false, {0, 3, 16, 19}}}},
        {"combined at 40 fills the square", IconKind::Combined, {50, 60}, 40, 0xFF,
         {{L"50", 34, 0, kPlain, 0xFF, false, {0, 0, 40, 40}}, {L"60", 34, 0, kPlain, 0x00112233, false, {0, 0, 40, 40}}}},
        {"single number at 40", IconKind::Saturation, {100}, 40, 0xFF,
         {{L"100", 50, 14, kPlain, settings.ColorVibrance, false, {0, 0, 40, 40}}}},
    };
    for (const auto& c : cases) {
        settings.ColorBrightness = c.brightnessColour;
        const IconDrawing drawing = IconDrawingFor(c.kind, c.values, L"Impact", c.size, settings);
        EXPECT_EQ(drawing.size, c.size) << c.name;
        ASSERT_EQ(drawing.texts.size(), c.texts.size()) << c.name;
        for (std::size_t i = 0; i < c.texts.size(); ++i) {
            const IconText& g = drawing.texts[i];
            const Expected& w = c.texts[i];
            EXPECT_EQ(std::tie(g.text, g.height, g.width, g.quality, g.colour, g.strikeOut, g.rect.left, g.rect.top,
                               g.rect.right, g.rect.bottom),
                      std::tie(w.text, w.height, w.width, w.quality, w.colour, w.strikeOut, w.rect.left, w.rect.top,
                               w.rect.right, w.rect.bottom))
                << c.name << " " << i;
        }
    }
}

}  // namespace
