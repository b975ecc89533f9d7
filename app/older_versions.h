// Window classes of earlier versions of the program, in the order they are looked for.
#pragma once
#include <array>

inline constexpr int kLegacyWindowClassCount = 50;

extern const std::array<const wchar_t*, kLegacyWindowClassCount> kLegacyWindowClasses;
