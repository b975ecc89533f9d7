// Red, green and blue gain (0..255), the monitor speaker (0..100) and GPU saturation (0..100)
// of the selected monitor.
#pragma once
#include <cstdint>

enum class ColourKind : std::int32_t { Red = 0, Green = 1, Blue = 2, Speaker = 3, Saturation = 4 };

void SetColourValue(ColourKind kind, std::uint32_t value);
