// Single-instance seam: handing a prepared line to a main window (this instance's or the
// running instance's). Windows: instance_win32.cpp (WM_COPYDATA). Host tests:
// testing/fakes/instance_fake.cpp records the blocks.
#pragma once
#include <cstdint>

// Sends the 2048-byte block with its origin and waits until the window has taken it.
// False when the window did not take it (gone, or hung for 20 s).
bool InstanceSendLine(std::uintptr_t window, std::uint32_t origin, const char16_t* block);
