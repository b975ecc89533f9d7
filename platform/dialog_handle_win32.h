// The window behind a DialogWindow, for the Win32 adapters of the dialog seam.
#pragma once
#include <windows.h>

#include "platform/dialog_controls.h"

// The main window for the control panel, the open dialog otherwise; null when there is none.
HWND DialogHandle(DialogWindow window);
// A modeless dialog tells the seam its window when it is created and null when it is gone.
void DialogSetHandle(DialogWindow window, HWND dialog);
