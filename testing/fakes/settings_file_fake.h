// Settings files kept in memory by path, as pairs in file order.
#pragma once
#include <map>
#include <string>

#include "settings/settings_file.h"

struct FakeSettingsFile {
    SettingsPairs pairs;
    bool writable = true;   // false: as a read-only file
    bool readable = true;   // false: a read stream cannot be opened
    int readErrorAfter = -1;  // >= 0: reading stops with an error after this many pairs
    bool hideOnDesktopAsked = false;
    int writes = 0;
};

std::map<std::wstring, FakeSettingsFile>& FakeSettingsFiles();
