// The thread that owns the low-level keyboard and mouse hooks and pumps their messages.
#pragma once
#include <cstdint>

// Started once at start-up, after the settings and the main window exist.
void StartHookThread();
// The running hook thread's id; 0 when none runs (it clears it as it ends). The thread ends
// on the thread message WM_COMMAND 40074.
std::uint32_t HookThreadId();
// After the settings changed: hands the hook thread new tables built from them.
void ReloadHookTables();
