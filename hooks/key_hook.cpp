#include "hooks/key_hook.h"

#include <atomic>

#include "hooks/handover.h"
#include "platform/input.h"

namespace {

struct ModifierKey {
    std::int32_t virtualKey;
    std::uint8_t hotkeyBit;
};

// Left and right of Shift, Control and Alt; bit i of the live state is kModifierKeys[i].
constexpr ModifierKey kModifierKeys[] = {{160, kHotkeyShift}, {161, kHotkeyShift}, {162, kHotkeyControl},
                                         {163, kHotkeyControl}, {164, kHotkeyAlt}, {165, kHotkeyAlt}};

std::atomic<std::uint8_t> g_modifiers = 0;
std::atomic<bool> g_hotkeyPage = false;
std::uint32_t g_lastHotkey = 0;
bool g_hotkeyFired = false;

void TrackModifier(KeyEvent event) {
    for (std::uint8_t i = 0; i < std::size(kModifierKeys); ++i) {
        if (kModifierKeys[i].virtualKey != event.virtualKey) continue;
        const auto bit = static_cast<std::uint8_t>(1u << i);
        if (event.down) g_modifiers.fetch_or(bit);
        else g_modifiers.fetch_and(static_cast<std::uint8_t>(~bit));
    }
}

// Either side of a modifier counts alike.
std::uint8_t HeldModifiers() {
    const std::uint8_t live = g_modifiers;
    std::uint8_t held = 0;
    for (std::uint8_t i = 0; i < std::size(kModifierKeys); ++i) {
        if ((live & (1u << i)) != 0) held |= kModifierKeys[i].hotkeyBit;
    }
    return held;
}

const Hotkey* MatchingHotkey(const HookConfig& config, std::int32_t virtualKey) {
    const std::uint8_t held = HeldModifiers();
    for (const Hotkey& hotkey : config.hotkeys) {
        if (hotkey.virtualKey == virtualKey && hotkey.modifiers == held) return &hotkey;
    }
    return nullptr;
}

}  // namespace

HookVerdict OnKeyEvent(const HookConfig& config, KeyEvent event, std::uint32_t now) {
    if (g_hotkeyPage) return {};
    NoteInput(now);
    TrackModifier(event);
    const Hotkey* hotkey = MatchingHotkey(config, event.virtualKey);
    if (hotkey == nullptr) return {};
    if (!event.down || (g_hotkeyFired && now - g_lastHotkey < config.repeatKeyboard)) return {true, {}};
    g_lastHotkey = now;
    g_hotkeyFired = true;
    return {true, hotkey->commandLine};
}

void SetHotkeyPageVisible(bool visible) { g_hotkeyPage = visible; }

void InputRepeatTick() {
    for (std::uint8_t i = 0; i < std::size(kModifierKeys); ++i) {
        if (!KeyIsDown(kModifierKeys[i].virtualKey)) g_modifiers.fetch_and(static_cast<std::uint8_t>(~(1u << i)));
    }
}

void KeyHookReset() {
    g_modifiers = 0;
    g_hotkeyPage = false;
    g_lastHotkey = 0;
    g_hotkeyFired = false;
}
