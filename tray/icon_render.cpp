#include "tray/icon_render.h"

#include "monitors/percent.h"

namespace {

constexpr wchar_t kHundred[] = L"100";

// Rectangles of the combined icon's two numbers where the size has its own.
struct CombinedRects {
    std::int32_t size;
    ScreenRect upper, lower;
};

constexpr CombinedRects kCombinedRects[] = {
    {16, {0, -3, 16, 13}, {0, 3, 16, 19}},   {20, {0, -3, 20, 17}, {0, 4, 20, 24}},
    {24, {0, -5, 24, 19}, {0, 4, 24, 28}},   {28, {0, -5, 28, 23}, {1, 5, 29, 33}},
    {32, {0, -7, 32, 25}, {1, 6, 33, 38}},   {36, {-1, -7, 35, 29}, {0, 6, 36, 42}},
};

// Black pixels are the transparent ones, so black digits would vanish.
std::uint32_t Visible(ColorRef colour) { return colour == 0 ? 1 : colour; }

ColorRef ColourOf(IconKind kind, const Settings& settings) {
    switch (kind) {
        case IconKind::Volume: return settings.ColorVolume;
        case IconKind::Contrast: return settings.ColorContrast;
        case IconKind::Speaker: return settings.ColorSpeaker;
        case IconKind::Saturation: return settings.ColorVibrance;
        default: return settings.ColorBrightness;
    }
}

FontQuality QualityOf(std::int32_t aliasing) {
    switch (aliasing) {
        case 1: return FontQuality::Antialiased;
        case 2: return FontQuality::ClearType;
        default: return FontQuality::NonAntialiased;
    }
}

IconDrawing SingleNumber(IconKind kind, const IconValues& values, const std::wstring& face, std::int32_t size,
                         const Settings& settings) {
    IconText text;
    // A dash, not an empty icon: an icon without one drawn pixel shows as a black square.
    text.text = values.blank ? L"-" : std::to_wstring(values.value);
    text.face = face;
    text.height = MulDiv(size, 125, 100);
    text.weight = 400;
    text.strikeOut = kind == IconKind::Volume && values.muted;
    text.quality = QualityOf(settings.aliasing);
    // Three digits fit only narrowed and without smoothing.
    if (text.text == kHundred) {
        text.width = MulDiv(text.height, 270, 1000);
        text.quality = FontQuality::NonAntialiased;
    }
    text.colour = Visible(ColourOf(kind, settings));
    text.rect = {0, 0, size, size};
    return {size, {text}};
}

IconDrawing Combined(const IconValues& values, std::int32_t size, const Settings& settings) {
    IconText upper;
    upper.text = std::to_wstring(values.value);
    upper.face = L"Consolas";
    upper.height = MulDiv(MulDiv(size, 125, 100), 67, 100);
    upper.quality = FontQuality::NonAntialiased;
    upper.rect = {0, 0, size, size};
    upper.placement = TextPlacement::TopLeft;
    IconText lower = upper;
    lower.text = std::to_wstring(values.contrast);
    lower.placement = TextPlacement::BottomRight;
    if (upper.text == kHundred || lower.text == kHundred) {
        upper.width = lower.width = MulDiv(upper.height, 360, 1000);
    }
    for (const CombinedRects& rects : kCombinedRects) {
        if (rects.size != size) continue;
        upper.rect = rects.upper;
        lower.rect = rects.lower;
    }
    upper.colour = Visible(settings.ColorBrightness);
    lower.colour = Visible(settings.ColorContrast);
    return {size, {upper, lower}};
}

}  // namespace

IconDrawing IconDrawingFor(IconKind kind, const IconValues& values, const std::wstring& face, std::int32_t size,
                           const Settings& settings) {
    if (kind == IconKind::Combined) return Combined(values, size, settings);
    return SingleNumber(kind, values, face, size, settings);
}
