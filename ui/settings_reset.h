// "Default settings": both settings files are moved aside, never deleted, and the program
// restarts with built-in defaults and the dialog open again.
#pragma once
#include <string>

enum class SettingsReset { Declined, Refused, NoProfileFolder, Restarting };

// Moves the file to its name with the extension replaced by the first free number 000..255.
// True also when there is no file; false when it could not be moved or every number is taken.
bool MoveSettingsFileAside(const std::wstring& path);

// Asks first. A file that cannot be moved aside (in use, write-protected, no free number)
// refuses the whole reset with a message, and a file already moved goes back, so nothing is lost.
SettingsReset ResetSettings();

// The restart of the settings dialog: logs reason, and the successor opens the dialog again.
void RestartReopeningSettings(const wchar_t* reason);
