// Input seam: key states, what lies under a screen point or the pointer, the pointer nudge.
// Windows: input_win32.cpp. Host tests: testing/fakes/input_fake.cpp, set by the test.
#pragma once
#include <cstdint>

#include "platform/ddc.h"

// The key's physical state now (asynchronous key state), by virtual-key code.
bool KeyIsDown(std::int32_t virtualKey);
// The top-level window at the point is the taskbar or the overflow area of hidden icons.
bool PointIsInNotificationArea(std::int32_t x, std::int32_t y);
// Moves the pointer 100 pixels on each axis and back without acceleration, so the tooltip
// under it shows anew.
void PointerNudge();
// The display (as the DDC/CI seam names it) that holds the pointer, or the nearest one.
DisplayHandle DisplayUnderPointer();
