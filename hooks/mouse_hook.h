// The mouse hook's decisions: the wheel over an icon, the middle button on an icon and the
// wheel combinations anywhere on the screen, and whether the event goes on to the system.
#pragma once
#include <cstdint>

#include "hooks/key_hook.h"

enum class MouseEventKind { Move, LeftDown, Wheel, MiddleDown, Other };

struct MouseEvent {
    MouseEventKind kind = MouseEventKind::Other;
    std::int32_t x = 0, y = 0;
    std::int16_t wheelDelta = 0;
};

HookVerdict OnMouseEvent(const HookConfig& config, MouseEvent event, std::uint32_t now);

void MouseHookReset();
