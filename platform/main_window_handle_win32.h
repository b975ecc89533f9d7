// The main window (dialog 101) for Win32 adapters that reach its controls.
#pragma once
#include <windows.h>

// Null before the window is attached and once its destruction has begun.
HWND MainWindowHandle();
