#include "hooks/hook_config.h"

#include <algorithm>
#include <span>

#include "settings/settings.h"

namespace {

constexpr std::uint8_t S = kWheelShift, C = kWheelControl, A = kWheelAlt, W = kWheelWin;

struct ComboName {
    const wchar_t* english;
    const wchar_t* german;
    std::uint8_t keys;
};

constexpr ComboName kComboNames[] = {
    {L"shift", L"umschalt", S},
    {L"alt+ctrl", L"alt+strg", A | C},
    {L"alt+shift", L"alt+umschalt", A | S},
    {L"alt+win", L"alt+win", A | W},
    {L"ctrl+shift", L"strg+umschalt", C | S},
    {L"ctrl+win", L"strg+win", C | W},
    {L"shift+win", L"umschalt+win", S | W},
    {L"alt+ctrl+shift", L"alt+strg+umschalt", A | C | S},
    {L"alt+ctrl+win", L"alt+strg+win", A | C | W},
    {L"alt+shift+win", L"alt+umschalt+win", A | S | W},
    {L"ctrl+shift+win", L"strg+umschalt+win", C | S | W},
    {L"alt+ctrl+shift+win", L"alt+strg+umschalt+win", A | C | S | W},
};

// The settings dialog stores its list texts as shown, the short ones included.
constexpr const wchar_t* kForwards[] = {L"forwards", L"vorwärts", L"forw.", L"vorw."};
constexpr const wchar_t* kBackwards[] = {L"backwards", L"rückwärts", L"back.", L"rück."};

bool OneOf(std::wstring_view text, std::span<const wchar_t* const> words) {
    return std::ranges::any_of(words, [&](const wchar_t* word) { return text == word; });
}

Hotkey LoadHotkey(std::int32_t value, const std::wstring& line) {
    return {static_cast<std::uint8_t>((value >> 8) & (kHotkeyShift | kHotkeyControl | kHotkeyAlt)), value & 0xFF,
            line.substr(0, 259)};
}

WheelCombo LoadCombo(const WheelEntry& entry) {
    const bool forwards = OneOf(entry.direction, kForwards);
    if (!forwards && !OneOf(entry.direction, kBackwards)) return {};
    if (entry.commandLine.empty()) return {};
    return {WheelComboKeys(entry.keys), forwards, entry.commandLine.substr(0, 259)};
}

std::uint32_t Interval(std::int32_t milliseconds) { return static_cast<std::uint32_t>(std::max(milliseconds, 0)); }

}  // namespace

std::uint8_t WheelComboKeys(std::wstring_view name) {
    for (const ComboName& combo : kComboNames) {
        if (name == combo.english || name == combo.german) return combo.keys;
    }
    return 0;
}

HookConfig LoadHookConfig(const Settings& settings) {
    HookConfig config;
    for (std::size_t i = 0; i < config.hotkeys.size(); ++i) {
        config.hotkeys[i] = LoadHotkey(settings.hotkey[i], settings.editbuffer[i]);
    }
    for (std::size_t i = 0; i < config.combos.size(); ++i) config.combos[i] = LoadCombo(settings.wheel[i]);
    config.wheelB = settings.wheel_B;
    config.wheelC = settings.wheel_C;
    config.wheelS = settings.wheel_S;
    config.wheelV = settings.wheel_V;
    config.mbutton = settings.mbutton;
    config.repeatKeyboard = Interval(settings.repeatkeyboard);
    config.repeatMouse = Interval(settings.repeatmouse);
    config.autoClose = settings.autocloseflag;
    config.mouseHook = settings.usemousehook;
    config.keyboardHook = settings.usekeyboardhook;
    return config;
}
