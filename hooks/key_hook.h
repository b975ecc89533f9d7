// The keyboard hook's decisions: which hotkey a key event fires, and whether the event goes
// on to the focused program. The live modifier state is kept here; the hook thread writes it,
// the main window's 200 ms timer clears modifiers that were released unseen.
#pragma once
#include <cstdint>
#include <string>

#include "hooks/hook_config.h"

struct HookVerdict {
    bool swallow = false;
    std::wstring line;  // empty: nothing to run
};

struct KeyEvent {
    std::int32_t virtualKey = 0;
    bool down = false;
};

HookVerdict OnKeyEvent(const HookConfig& config, KeyEvent event, std::uint32_t now);
// The settings dialog shows or hides its hotkey page; while it shows, keys reach the dialog.
void SetHotkeyPageVisible(bool visible);
// Clears the flag of each modifier key that is physically up now.
void InputRepeatTick();

void KeyHookReset();
