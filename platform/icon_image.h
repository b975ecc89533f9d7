// Icon image seam: numbers drawn into an image of the notification area's icon size.
// Windows: icon_image_win32.cpp (a 32-bit DIB, GDI text, an icon from it). Host tests:
// testing/fakes/icon_image_fake.cpp records every drawing and hands out numbered images.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/ddc.h"

using IconImage = std::uintptr_t;  // 0: none

enum class FontQuality : std::uint8_t { NonAntialiased, Antialiased, ClearType };
enum class TextPlacement : std::uint8_t { Centred, TopLeft, BottomRight };

struct IconText {
    std::wstring text;
    std::wstring face;
    std::int32_t height = 0;
    std::int32_t width = 0;   // 0: the font's own
    std::int32_t weight = 0;  // 0: the font's own
    bool strikeOut = false;
    FontQuality quality = FontQuality::NonAntialiased;
    std::uint32_t colour = 0;  // 0x00BBGGRR
    ScreenRect rect;
    TextPlacement placement = TextPlacement::Centred;
};

struct IconDrawing {
    std::int32_t size = 16;  // square, in pixels
    std::vector<IconText> texts;
};

// The system's small-icon height, which the notification area shows icons at.
std::int32_t IconImageSystemSize();
// Pixels that no text touched stay fully transparent; 0 when no image could be made.
IconImage IconImageCreate(const IconDrawing& drawing);
void IconImageDestroy(IconImage image);
