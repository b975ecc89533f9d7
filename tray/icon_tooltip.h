// The tooltip of an icon: the monitor's name and values as the monitor list shows them,
// in the UI language, with the hint how to use the icons.
#pragma once
#include <cstdint>
#include <string>

#include "tray/icon_render.h"

// Uncut; the shell holds at most 127 characters.
std::wstring IconTooltip(IconKind kind, std::int32_t monitor);
