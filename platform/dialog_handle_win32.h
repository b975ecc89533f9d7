// The window behind a DialogWindow, for the Win32 adapters of the dialog seam.
#pragma once
#include <windows.h>

#include "platform/dialog_controls.h"

// The main window for the control panel, the open dialog otherwise; null when there is none.
HWND DialogHandle(DialogWindow window);
// Registers a window that DialogRun does not run (a modeless one) under its DialogWindow, or
// forgets it (null); DialogClose then destroys it instead of ending a modal loop.
void DialogSetHandle(DialogWindow window, HWND dialog);
// For the message loop: a message meant for an open modeless window or one of its controls is
// offered to it first, so Tab, Enter and Escape work there. True when the window took it.
bool DialogTakesMessage(MSG& message);
