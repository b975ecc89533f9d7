// The line the main window runs next (command 40072): filled from a forwarded block, from
// the own start-up line or by a posted internal line.
#pragma once
#include <string_view>

// Copies text into the buffer, cut to fit, always terminated.
void SetPendingLine(std::wstring_view text);
// The buffer itself: writable and terminated, as the interpreter takes it.
wchar_t* PendingLine();
