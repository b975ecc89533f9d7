// Panel-window seam: moving and showing the control panel (the main window) beside the
// notification icons. Windows: panel_window_win32.cpp. Host tests:
// testing/fakes/panel_window_fake.cpp records where it went.
#pragma once
#include <cstdint>

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
// Leaves out the vertical strip of the panel from x = from, width wide (dialog units of the
// template): controls right of it move left, controls across it narrow, the window narrows.
// Controls inside it stay where they are. Each call starts from the template's layout.
void PanelCutStrip(std::int32_t from, std::int32_t width);
// Shows the panel as the foreground window with the keyboard focus in the monitor list.
void PanelShowInFront();
