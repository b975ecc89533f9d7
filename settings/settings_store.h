// Loading and saving the settings file pair (program folder, then roaming profile copy).
#pragma once
#include <string>

struct SettingsStatus {
    bool versionMatched = false;
    bool settingsValid = true;
    bool suppressSave = false;
    bool dropKnownMonitors = false;
};

extern SettingsStatus g_settingsStatus;

// The program-folder file, relative to the current directory (start-up makes that the program's folder).
inline constexpr wchar_t kSettingsFileName[] = L"Lumistrand.xml";

void SettingsLoad();
void SettingsSave(bool profileCopy);
// Both files, program folder first: the way every caller saves.
void SettingsSaveBoth();

// Roaming application data + "\Lumistrand\Lumistrand.xml", built by SettingsLoad; empty before
// or when the roaming folder is unknown. The settings dialog shows it.
const std::wstring& SettingsProfilePath();
