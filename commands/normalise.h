// Preparing a command line before it reaches the interpreter, and the shell escape that
// bypasses the interpreter altogether.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// The pending-line buffer and the forwarded block both hold this many wide characters.
inline constexpr std::size_t kCommandBufferChars = 2048;
// The longest line the language accepts; longer lines are cut (see NormaliseCommandLine).
inline constexpr std::size_t kCommandLineMaxChars = 259;

// Blanks inside a quoted part are removed (quotes kept), a leading ";" or "," becomes a
// blank, letters are lower-cased and every ";" and "," outside quotes stands between
// blanks. A line longer than 259 characters is cut back to the last blank within its first
// 259 characters, so no token is run half ("b 100" cut to "b 10" would set the wrong
// value); a line without such a blank is cut at 259. The result never exceeds 777
// characters, well inside the 2048-character buffer.
std::wstring NormaliseCommandLine(std::wstring_view text);

// True when the line starts with "!" after at most three spaces: it is run by the shell.
bool IsShellEscape(std::wstring_view text);
// The text after the first "!" of a shell-escape line.
std::wstring ShellEscapeCommand(std::wstring_view text);
