// The one path of every command line into the running instance.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/requests.h"

// The same towards a given window; false when the window did not take the line (or it was
// empty or a shell escape, which need no window).
bool SubmitCommandLineTo(std::uintptr_t window, std::wstring_view text, std::uint32_t origin);

// The shell escape: writes the command after "!" to "\Lumistrand\run.bat" in the roaming
// folder (ANSI, at most 520 bytes, then CR LF) and opens it hidden.
bool RunShellEscape(std::wstring_view text);

struct RunLineResult {
    bool executed = false;
    bool restart = false;  // a first instance was started with a value query
    bool reply = false;    // post the exit code to thread `origin`
    std::int32_t exitCode = 0;
};

// Runs the pending line for a line of the given origin, as command 40072 does.
RunLineResult RunPendingLine(std::uint32_t origin, std::uint32_t ownThreadId);
