// Shell seam: known folders and opening files with the shell.
#pragma once
#include <string>

// The user's roaming application-data folder without a trailing backslash; empty on failure.
std::wstring ShellRoamingAppDataFolder();
