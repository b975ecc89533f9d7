// The rules of handing a command line to the running instance and answering it; the
// Windows side (forwarding_win32.cpp, window_proc_win32.cpp) only moves the bytes.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "commands/interpreter.h"
#include "monitors/monitor_table.h"
#include "platform/instance.h"
#include "res/resource.h"

// The low word of lParam that marks the reply thread message.
inline constexpr std::uint32_t kReplyMarker = 9;
inline constexpr int kReplyAttempts = 100;
inline constexpr std::uint32_t kReplyPauseMs = 200;

using ForwardedBlock = std::array<char16_t, kForwardedBlockChars>;

// The zero-filled block of a line; a line too long for it is cut and stays terminated.
ForwardedBlock MakeForwardedBlock(std::wstring_view line);

struct ForwardedLine {
    std::uint32_t origin = 0;
    std::wstring text;  // at most 1023 characters
};

// Reads a received block (id, byte count, data as the sender claims them). Only a block of
// exactly 2048 bytes with an origin that fits 32 bits is accepted; the text ends at the
// first NUL, or after 1023 characters when the sender left none.
bool ReadForwardedBlock(std::uintptr_t id, std::uint32_t size, const void* data, ForwardedLine& line);

// The waiting second instance is answered unless the line came from inside, or from the
// own thread (a forwarded block can name any thread).
bool ShouldReplyTo(std::uint32_t origin, std::uint32_t ownThreadId);

// The start-up line runs only when the process was started with arguments.
bool ShouldExecuteLine(std::uint32_t origin, bool startedWithArguments);

struct LineOutcome {
    std::int32_t exitCode = 0;
    bool valueQueried = false;  // the line asked for a value as exit code (d, e, get_VCP)
};

// The exit code a line leaves: with get_VCP the selected monitor's last read result, with d
// or e the interpreter's value, and 0 when the line asked for none.
LineOutcome TakeLineOutcome(const InterpreterFlags& flags, const MonitorTable& monitors);
// A first instance started with a value query ends with the value and lets a fresh copy
// take its place.
bool RestartAfterLine(std::uint32_t origin, const LineOutcome& outcome);
