// How an icon shows its value: the number in the kind's colour, sized to the icon. Only
// the decisions live here; platform/icon_image.h draws them.
#pragma once
#include <cstdint>
#include <string>

#include "platform/icon_image.h"
#include "settings/settings.h"

// The kind number is also the icon's index in its GUID.
enum class IconKind : std::uint8_t { Volume = 0, Contrast = 1, Brightness = 2, Combined = 3, Speaker = 4, Saturation = 5 };
inline constexpr int kIconKinds = 6;

struct IconValues {
    std::int32_t value = 0;     // the combined icon: brightness
    std::int32_t contrast = 0;  // the combined icon only
    bool muted = false;         // the volume icon only
    bool blank = false;         // no value to show (a dash): the volume icon without an audio device
};

// face is the font of single numbers; colours and smoothing come from settings.
IconDrawing IconDrawingFor(IconKind kind, const IconValues& values, const std::wstring& face, std::int32_t size,
                           const Settings& settings);
