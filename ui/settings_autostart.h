// The start-up shortcut "Lumistrand.lnk" in the user's Startup folder follows `autostart`.
#pragma once
#include <string>

// Empty when the Startup folder is unknown.
std::wstring AutostartShortcutPath();

// Removes the shortcut when autostart is off, and also when discovery could not count a
// display's monitors outside a remote session (such a start would find no monitors);
// otherwise creates it or points it at the running program again.
void ApplyAutostartShortcut();
