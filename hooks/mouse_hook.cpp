#include "hooks/mouse_hook.h"

#include "hooks/handover.h"
#include "platform/input.h"
#include "tray/icon_set.h"

namespace {

constexpr std::int32_t kShift = 0x10, kControl = 0x11, kAlt = 0x12, kLeftWin = 0x5B;
constexpr std::uint8_t kNoIcon = 255;

std::uint32_t g_lastWheel = 0;
bool g_wheelSeen = false;

std::uint8_t HeldComboKeys() {
    return static_cast<std::uint8_t>((KeyIsDown(kShift) ? kWheelShift : 0) | (KeyIsDown(kControl) ? kWheelControl : 0) |
                                     (KeyIsDown(kAlt) ? kWheelAlt : 0) | (KeyIsDown(kLeftWin) ? kWheelWin : 0));
}

// Ctrl (zoom), Alt or Windows alone never match: no combination has such a name.
const WheelCombo* MatchingCombo(const HookConfig& config, bool forwards) {
    const std::uint8_t held = HeldComboKeys();
    for (const WheelCombo& combo : config.combos) {
        if (combo.keys != 0 && combo.keys == held && combo.forwards == forwards) return &combo;
    }
    return nullptr;
}

IconHit IconAt(const MouseEvent& event) {
    if (!PointIsInNotificationArea(event.x, event.y)) return {};
    return HitTestIcons(event.x, event.y);
}

// "1 " before a monitor's own icon; nothing before the program's volume icon.
std::wstring Prefix(const IconHit& hit) {
    if (hit.kind == 0 || IconGuidIsZero(hit.guid)) return {};
    return std::wstring{hit.monitor, L' '};
}

wchar_t Letter(std::uint8_t kind) { return L"vcbbok"[kind]; }

std::int32_t WheelStep(const HookConfig& config, std::uint8_t kind) {
    const std::int32_t steps[] = {config.wheelV, config.wheelC, config.wheelB, config.wheelB, config.wheelV, config.wheelS};
    return steps[kind];
}

// Index of the first of the kind's two middle-button values in B0 B1 C0 C1 S0 S1 V0 V1.
std::size_t ToggleIndex(std::uint8_t kind) {
    constexpr std::size_t kFirst[] = {6, 2, 0, 0, 6, 4};
    return kFirst[kind];
}

HookVerdict OnWheel(const HookConfig& config, const MouseEvent& event, std::uint32_t now) {
    if (g_wheelSeen && now - g_lastWheel < config.repeatMouse) return {};
    g_lastWheel = now;
    g_wheelSeen = true;
    if (const WheelCombo* combo = MatchingCombo(config, event.wheelDelta >= 1)) return {true, combo->commandLine};
    const IconHit hit = IconAt(event);
    if (hit.kind == kNoIcon) return {};
    return {true, Prefix(hit) + Letter(hit.kind) + (event.wheelDelta > 0 ? L" + " : L" - ") +
                      std::to_wstring(WheelStep(config, hit.kind))};
}

HookVerdict OnMiddleButton(const HookConfig& config, const MouseEvent& event) {
    const IconHit hit = IconAt(event);
    if (hit.kind == kNoIcon) return {};
    const std::wstring value = Prefix(hit) + Letter(hit.kind) + L' ';
    const std::size_t first = ToggleIndex(hit.kind);
    return {true, L"t " + value + std::to_wstring(config.mbutton[first]) + L" t " + value +
                      std::to_wstring(config.mbutton[first + 1])};
}

}  // namespace

HookVerdict OnMouseEvent(const HookConfig& config, MouseEvent event, std::uint32_t now) {
    if (event.kind == MouseEventKind::Other) return {};
    NoteInput(now);
    if (event.kind == MouseEventKind::Wheel) return OnWheel(config, event, now);
    if (event.kind == MouseEventKind::MiddleDown) return OnMiddleButton(config, event);
    return {};
}

void MouseHookReset() {
    g_lastWheel = 0;
    g_wheelSeen = false;
}
