#include "monitors/colour.h"

void SetColourValue(ColourKind, std::uint32_t) {}
