// Names of the values of VCP 0x14 (colour temperature), 0x60 (input source) and
// 0xDC (picture preset), indexed by the value. Unnamed values have an empty name.
#pragma once
#include <cstdint>

inline constexpr std::uint8_t kVcpColourTemp = 0x14;
inline constexpr std::uint8_t kVcpInput = 0x60;
inline constexpr std::uint8_t kVcpPreset = 0xDC;

// Empty for an unnamed value and for any code other than the three above.
const wchar_t* VcpValueName(std::uint8_t code, std::uint32_t value);
