// Foreground seam: what the window in front shows, read by polling (no foreground event hook:
// Wine installs one but never calls it). Windows: foreground_win32.cpp. Host tests:
// testing/fakes/foreground_fake.cpp.
#pragma once
#include <cstdint>
#include <string>

#include "platform/ddc.h"

struct ForegroundInfo {
    std::uintptr_t window = 0;         // 0: no foreground window
    bool visible = false;
    std::wstring executable;           // full image path of the window's process
    std::wstring hostedExecutable;     // the process of its "Windows.UI.Core.CoreWindow" child, if any
    ScreenRect windowRect;
    ScreenRect monitorRect;            // of the monitor that shows most of the window
    std::wstring monitorDevice;        // that monitor's device name, e.g. "\\.\DISPLAY1"
};

ForegroundInfo ForegroundRead();
