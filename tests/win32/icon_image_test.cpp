// Rendered icons read back through GDI: the digits in their colour, everything else clear.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "platform/icon_image.h"
#include "platform/owners_win32.h"
#include "tray/icon_render.h"

namespace {

// Top-down rows of 0xAARRGGBB.
std::vector<std::uint32_t> Pixels(IconImage image, int size) {
    ICONINFO info{};
    if (!GetIconInfo(reinterpret_cast<HICON>(image), &info)) return {};
    const UniqueGdiObject colour(info.hbmColor), mask(info.hbmMask);
    BITMAPINFO bitmap{};
    bitmap.bmiHeader = {sizeof(BITMAPINFOHEADER), size, -size, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(size * size));
    const HDC screen = GetDC(nullptr);
    const int rows = GetDIBits(screen, static_cast<HBITMAP>(colour.get()), 0, size, pixels.data(), &bitmap, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    return rows == size ? pixels : std::vector<std::uint32_t>{};
}

TEST(IconImage, DigitsInTheirColourInsideAClearSquare) {
    const struct {
        std::int32_t size, value;
        ColorRef colour;
        std::uint32_t pixel;  // what an inked pixel holds
    } cases[] = {{20, 100, 0x000000FF, 0xFFFF0000}, {16, 100, 0, 0xFF010000}, {20, 42, 0x0000C000, 0xFF00C000}};
    Settings settings;
    settings.aliasing = 0;
    for (const auto& c : cases) {
        settings.ColorBrightness = c.colour;
        const IconImage image = IconImageCreate(IconDrawingFor(IconKind::Brightness, {c.value}, L"Trebuchet MS", c.size, settings));
        ASSERT_NE(image, 0u) << c.size;
        const std::vector<std::uint32_t> pixels = Pixels(image, c.size);
        IconImageDestroy(image);
        ASSERT_EQ(pixels.size(), static_cast<std::size_t>(c.size * c.size)) << c.size;
        int inked = 0, wrong = 0, left = c.size;
        for (int y = 0; y < c.size; ++y) {
            for (int x = 0; x < c.size; ++x) {
                const std::uint32_t pixel = pixels[static_cast<std::size_t>(y * c.size + x)];
                if (pixel == 0) continue;
                ++inked;
                wrong += pixel != c.pixel ? 1 : 0;
                left = std::min(left, x);
            }
        }
        EXPECT_GT(inked, c.size) << c.size << " " << c.value;
        EXPECT_EQ(wrong, 0) << c.size << " " << c.value << ": pixels not opaque in the digits' colour";
        // Centred text wider than the square would be cut on both sides.
        EXPECT_TRUE(c.value != 100 || left > 0) << c.size << ": 100 does not fit";
    }
}

}  // namespace
