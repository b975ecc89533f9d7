// Turning the selected monitor's display a quarter clockwise (button "Rotate Display" after its
// confirmation, and the command line's w).
#pragma once

void RotateSelectedDisplay();
