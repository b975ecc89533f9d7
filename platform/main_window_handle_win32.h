// The main window (dialog 101) for Windows adapters that reach its controls.
#pragma once
#include <windows.h>

// Null before the window exists and once its destruction has begun.
HWND MainWindowHandle();
