// Showing the control panel next to the notification icon it was opened from.
#pragma once

// Beside the icon last selected (or last shown), or at the remembered position when the
// selected monitor has no icon; then in front, with the panel's foreground timer armed.
void PlacePanelAtIcon();
