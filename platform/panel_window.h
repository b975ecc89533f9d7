// Panel-window seam: moving and showing the control panel (the main window) beside the
// notification icons. Windows: panel_window_win32.cpp. Host tests:
// testing/fakes/panel_window_fake.cpp records where it went.
#pragma once
#include <cstdint>
#include <string>

#include "platform/ddc.h"

// Empty before the window exists.
ScreenRect PanelWindowRect();
// All monitors together.
ScreenRect PanelDesktopRect();
// The work area (without the taskbar) of the monitor nearest to x, y.
ScreenRect PanelWorkAreaAt(std::int32_t x, std::int32_t y);
// Topmost, centred on the anchor inside the work area and outside exclude, above or below
// it; false where the system cannot compute that (the panel stays where it is).
bool PanelMoveNextTo(std::int32_t anchorX, std::int32_t anchorY, const ScreenRect& exclude);
// The panel's top-left corner to x, y, its size unchanged.
void PanelMoveTo(std::int32_t x, std::int32_t y);
// A control's place in dialog units.
struct PanelPlace {
    int control;
    std::int32_t left, top, width, height;
};
// One arrangement of the panel's columns, in dialog units: controls of the template from
// shiftFrom rightwards move left by shift, the placed ones go where they say.
inline constexpr int kPanelPlaces = 9;
struct PanelLayout {
    std::int32_t width;
    std::int32_t shiftFrom, shift;
    PanelPlace places[kPanelPlaces];
};
// Each call starts from the template's layout; the window takes the layout's width.
void PanelApplyLayout(const PanelLayout& layout);
// Shows the panel as the foreground window with the keyboard focus in the monitor list.
void PanelShowInFront();

// The tooltip of the panel's controls (its texts asked of the main window), the monitor list's
// tooltip, and slider thumbs that show the value rather than the position.
void PanelCreateTooltips();
// The list line under the pointer; false when the pointer is not over the list, line -1 over
// no line.
bool PanelPointerListLine(std::int32_t& line);
// The list's tooltip text; an empty text hides it.
void PanelSetListTip(const std::wstring& title, const std::wstring& text);
// Hides both tooltips and empties the list's.
void PanelHideTooltips();
