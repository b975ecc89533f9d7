#include "monitors/brightness.h"

void SetBrightness(std::uint32_t) {}
void SetContrast(std::uint32_t) {}
