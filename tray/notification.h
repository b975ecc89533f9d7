// Balloons after a value change. The notification icons arrive with the icon set; until
// then the call shows nothing.
#pragma once
#include <cstdint>

enum class NotificationKind : std::int32_t {
    Brightness = 0,
    Contrast = 1,
    Volume = 2,
    HideOnly = 3,
    Red = 5,
    Green = 6,
    Blue = 7,
    MainValues = 8,  // brightness, contrast and volume together
    Speaker = 9,
    Saturation = 10,
};

void ShowNotification(NotificationKind kind);
