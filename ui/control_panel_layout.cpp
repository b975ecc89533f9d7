#include "ui/control_panel_layout.h"

#include <algorithm>

#include "res/resource.h"

namespace {

// The template (dialog units) is the widest arrangement: the advanced column up to x = 130,
// then the brightness and contrast columns (94 wide) and the volume column (46), the bottom row
// at y = 243.
constexpr std::int32_t kColumnsLeft = 130, kAdvancedWidth = 128, kMargin = 2;
constexpr std::int32_t kRowTop = 243, kButtonHeight = 13, kCheckHeight = 9;

}  // namespace

bool PanelWideButtons(bool advanced, bool volume) { return advanced || volume; }

// Without the volume column the bottom row is packed tighter, so that the narrowest window
// still holds it with the short buttons.
PanelLayout ComputePanelLayout(bool advanced, bool volume) {
    const std::int32_t left = advanced ? kColumnsLeft : kColumnsLeft - kAdvancedWidth;
    const bool wide = PanelWideButtons(advanced, volume);
    const std::int32_t buttonWidth = wide ? 44 : 22;
    const std::int32_t advancedBox = volume ? 40 : 30, checkWidth = volume ? 44 : 40, gap = volume ? 4 : 2;
    const std::int32_t boxLeft = left + gap, buttonLeft = boxLeft + advancedBox + gap;
    const std::int32_t checkLeft = buttonLeft + buttonWidth + gap;
    const std::int32_t columnsRight = left + (volume ? 140 : 94);
    const std::int32_t width = std::max(columnsRight, checkLeft + checkWidth) + kMargin;
    const int turnOff = wide ? IDC_TURN_OFF_WIDE : IDC_TURN_OFF_SHORT;
    const int rescan = wide ? IDC_RESCAN_WIDE : IDC_RESCAN_SHORT;
    return {width,
            kColumnsLeft,
            kColumnsLeft - left,
            {{IDC_OPEN_SETTINGS, kMargin, kMargin, 9, 9},
             {IDC_HIDE_PANEL, width - 11, kMargin, 9, 9},
             {IDC_MONITOR_LIST, 13, kMargin, width - 26, 56},
             {IDC_ADVANCED_COLUMN, boxLeft, kRowTop, advancedBox, 27},
             {turnOff, buttonLeft, kRowTop, buttonWidth, kButtonHeight},
             {rescan, buttonLeft, kRowTop + 14, buttonWidth, kButtonHeight},
             {IDC_VOLUME_COLUMN, checkLeft, kRowTop, checkWidth, kCheckHeight},
             {IDC_VOLUME_ICON, checkLeft, kRowTop + kCheckHeight, checkWidth, kCheckHeight},
             {IDC_MUTE, checkLeft, kRowTop + 2 * kCheckHeight, checkWidth, kCheckHeight}}};
}
