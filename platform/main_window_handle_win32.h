// The main window (dialog 101) for Win32 adapters that reach its controls.
#pragma once
#include <windows.h>

#include "app/app_state.h"

// Null before the window exists and once its destruction has begun.
inline HWND MainWindowHandle() {
    return reinterpret_cast<HWND>(g_app.mainWindow);
}
