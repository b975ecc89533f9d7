// The tooltips of the settings dialog's controls.
#pragma once
#include <string>

// Empty for a control without one. The start-up box's tip ends with the shortcut's path.
std::wstring SettingsTipText(int controlId);
