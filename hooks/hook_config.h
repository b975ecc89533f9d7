// What the hooks decide from: the hotkey and wheel-combination tables and the settings values
// they read. The hook thread keeps its own copy, built from the settings on that thread, so
// the main thread never writes anything the hooks read while they run.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

struct Settings;

// Modifier bits of a hotkey, as the settings' hotkey value carries them in its high byte.
inline constexpr std::uint8_t kHotkeyShift = 0x01, kHotkeyControl = 0x02, kHotkeyAlt = 0x04;

struct Hotkey {
    std::uint8_t modifiers = 0;  // kHotkey* bits
    std::int32_t virtualKey = 0;
    std::wstring commandLine;
};

// Keys held for a wheel combination.
inline constexpr std::uint8_t kWheelShift = 0x01, kWheelControl = 0x02, kWheelAlt = 0x04, kWheelWin = 0x08;

struct WheelCombo {
    std::uint8_t keys = 0;  // kWheel* bits; 0: not in use
    bool forwards = true;
    std::wstring commandLine;
};

struct HookConfig {
    std::array<Hotkey, 15> hotkeys;
    std::array<WheelCombo, 8> combos;
    std::int32_t wheelB = 0, wheelC = 0, wheelS = 0, wheelV = 0;
    std::array<std::int32_t, 8> mbutton{};  // B0 B1 C0 C1 S0 S1 V0 V1
    std::uint32_t repeatKeyboard = 0, repeatMouse = 0;
    bool autoClose = false;
    bool mouseHook = false, keyboardHook = false;  // which hooks the thread installs
};

HookConfig LoadHookConfig(const Settings& settings);
// The keys of a combination's English or German name; 0 for "nothing"/"nichts" or any other text.
std::uint8_t WheelComboKeys(std::wstring_view name);
