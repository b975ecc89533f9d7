// Brightness and contrast of the selected monitor (or of every monitor with samevalues), in percent.
#pragma once
#include <cstdint>

void SetBrightness(std::uint32_t percent);
void SetContrast(std::uint32_t percent);
