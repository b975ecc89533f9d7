// Conversions between a monitor's raw range and percent (or 0..255 for colour gains).
#pragma once
#include <cstdint>

// number * numerator / denominator with a 64-bit product, rounded half away from zero.
// A zero denominator gives -1, as the system's MulDiv does.
std::int32_t MulDiv(std::int32_t number, std::int32_t numerator, std::int32_t denominator);

// raw = MulDiv(value, max - min, scale) + min
std::int32_t ScaledToRaw(std::int32_t value, std::int32_t minimum, std::int32_t maximum, std::int32_t scale = 100);
// value = MulDiv(raw - min, scale, max - min); callers skip it when max equals min
std::int32_t RawToScaled(std::int32_t raw, std::int32_t minimum, std::int32_t maximum, std::int32_t scale = 100);
