#include <windows.h>

#include <cstring>
#include <vector>

#include "platform/icon_image.h"
#include "platform/owners_win32.h"

namespace {

BYTE QualityOf(FontQuality quality) {
    switch (quality) {
        case FontQuality::Antialiased: return ANTIALIASED_QUALITY;
        case FontQuality::ClearType: return CLEARTYPE_QUALITY;
        default: return NONANTIALIASED_QUALITY;
    }
}

UINT FormatOf(TextPlacement placement) {
    switch (placement) {
        case TextPlacement::Centred: return DT_SINGLELINE | DT_CENTER | DT_VCENTER;
        case TextPlacement::BottomRight: return DT_SINGLELINE | DT_RIGHT | DT_BOTTOM;
        default: return DT_SINGLELINE;
    }
}

void DrawIconText(HDC dc, const IconText& text) {
    const UniqueGdiObject font(CreateFontW(text.height, text.width, 0, 0, text.weight, FALSE, FALSE, text.strikeOut,
                                           DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                           QualityOf(text.quality), DEFAULT_PITCH, text.face.c_str()));
    const HGDIOBJ before = SelectObject(dc, font.get());
    SetTextColor(dc, text.colour);
    RECT rect{text.rect.left, text.rect.top, text.rect.right, text.rect.bottom};
    DrawTextW(dc, text.text.c_str(), -1, &rect, FormatOf(text.placement));
    SelectObject(dc, before);
}

}  // namespace

std::int32_t IconImageSystemSize() { return GetSystemMetrics(SM_CYSMICON); }

IconImage IconImageCreate(const IconDrawing& drawing) {
    const int size = drawing.size;
    if (size <= 0) return 0;
    BITMAPV5HEADER header{};
    header.bV5Size = sizeof(header);
    header.bV5Width = size;
    header.bV5Height = size;
    header.bV5Planes = 1;
    header.bV5BitCount = 32;
    header.bV5Compression = BI_BITFIELDS;
    header.bV5RedMask = 0x00FF0000;
    header.bV5GreenMask = 0x0000FF00;
    header.bV5BlueMask = 0x000000FF;
    header.bV5AlphaMask = 0xFF000000;
    const UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    void* bits = nullptr;
    const UniqueGdiObject colour(CreateDIBSection(dc.get(), reinterpret_cast<const BITMAPINFO*>(&header),
                                                  DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dc || !colour || bits == nullptr) return 0;
    auto* pixels = static_cast<std::uint32_t*>(bits);
    const std::size_t count = static_cast<std::size_t>(size) * static_cast<std::size_t>(size);
    std::memset(pixels, 0, count * sizeof(std::uint32_t));

    const HGDIOBJ before = SelectObject(dc.get(), colour.get());
    SetBkMode(dc.get(), TRANSPARENT);
    for (const IconText& text : drawing.texts) DrawIconText(dc.get(), text);
    SelectObject(dc.get(), before);
    GdiFlush();
    // GDI text leaves alpha at 0: whatever it touched becomes opaque, the rest stays clear.
    for (std::size_t i = 0; i < count; ++i) {
        if (pixels[i] != 0) pixels[i] |= 0xFF000000;
    }

    const std::vector<BYTE> maskBits(static_cast<std::size_t>((size + 15) / 16 * 2 * size), 0);
    const UniqueGdiObject mask(CreateBitmap(size, size, 1, 1, maskBits.data()));
    if (!mask) return 0;
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmMask = static_cast<HBITMAP>(mask.get());
    info.hbmColor = static_cast<HBITMAP>(colour.get());
    return reinterpret_cast<IconImage>(CreateIconIndirect(&info));
}

void IconImageDestroy(IconImage image) {
    if (image != 0) DestroyIcon(reinterpret_cast<HICON>(image));
}
