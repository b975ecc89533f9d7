// Single-instance seam: handing a prepared line to a main window (this instance's or the
// running instance's). Windows: instance_win32.cpp (WM_COPYDATA). Host tests:
// testing/fakes/instance_fake.cpp records the blocks.
#pragma once
#include <cstddef>
#include <cstdint>

// A forwarded line always travels as exactly this many bytes: 1024 wide characters.
inline constexpr std::uint32_t kForwardedBlockBytes = 2048;
inline constexpr std::size_t kForwardedBlockChars = kForwardedBlockBytes / sizeof(char16_t);

// Origins of a line: the program's own start-up line, a line made inside the running
// instance, and such a line posted directly. Anything above 3 is the thread id of a
// forwarding second instance, which waits for the reply.
inline constexpr std::uint32_t kOriginStartup = 0;
inline constexpr std::uint32_t kOriginInternal = 1;
inline constexpr std::uint32_t kOriginInternalPosted = 3;

// Sends the 2048-byte block with its origin and waits until the window has taken it.
// False when the window did not take it (gone, or hung for 20 s).
bool InstanceSendLine(std::uintptr_t window, std::uint32_t origin, const char16_t* block);
