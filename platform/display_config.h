// Display-configuration seam: the monitor (the path's target) behind a display device.
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
