// The control panel's tooltips: a text for each control, and the monitor list's tooltip, which
// shows the information of the line under the pointer.
#pragma once
#include <string>

// Empty for a control without a tooltip.
std::wstring PanelControlTip(int control);
// The list's tooltip follows the line under the pointer and goes away when the pointer leaves
// the list.
void PanelListTipFollowPointer();
// Both tooltips hidden and the list's emptied, as when the panel hides.
void PanelClearTooltips();
