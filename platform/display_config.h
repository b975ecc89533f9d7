// Display-configuration seam: the monitor (the path's target) behind a display device, and the
// display mode of a display device.
// Windows: display_config_win32.cpp (QueryDisplayConfig). Host tests:
// testing/fakes/display_config_fake.cpp.
#pragma once
#include <cstdint>
#include <string>

struct DisplayTarget {
    std::uint32_t outputTechnology = 0;
    std::wstring devicePath;    // e.g. "\\?\DISPLAY#DEL4065#5&2c8c0a2e&0&UID4352#{e6f07b5f-...}"
    std::wstring friendlyName;  // may be empty
};

// The target of the first path whose source is displayDeviceName ("\\.\DISPLAY1", compared
// without regard to case). False, target untouched, when the configuration cannot be read
// or no path matches.
bool DisplayConfigFindTarget(const std::wstring& displayDeviceName, DisplayTarget& target);

struct DisplayMode {
    std::uint32_t orientation = 0;  // 0..3, a quarter turn each, counter-clockwise
    std::uint32_t width = 0, height = 0;
};

// The current mode of displayDeviceName; false with the system's error code.
bool DisplayModeRead(const std::wstring& displayDeviceName, DisplayMode& mode, std::uint32_t& error);
// Applies the mode's orientation, width and height and keeps them in the registry; false with
// the system's result code.
bool DisplayModeApply(const std::wstring& displayDeviceName, const DisplayMode& mode, std::uint32_t& error);
