// Loading and saving the settings file pair (program folder, then roaming profile copy).
#pragma once

struct SettingsStatus {
    bool versionMatched = false;
    bool settingsValid = true;
    bool suppressSave = false;
    bool dropKnownMonitors = false;
};

extern SettingsStatus g_settingsStatus;

void SettingsLoad();
void SettingsSave(bool profileCopy);
// Both files, program folder first: the way every caller saves.
void SettingsSaveBoth();
