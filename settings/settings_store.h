// Loading and saving the settings file pair (program folder, then roaming profile copy).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct SettingsStatus {
    bool versionMatched = false;
    bool settingsValid = true;
    bool suppressSave = false;
    bool dropKnownMonitors = false;
};

extern SettingsStatus g_settingsStatus;

// The program-folder file, relative to the current directory (start-up makes that the program's folder).
inline constexpr wchar_t kSettingsFileName[] = L"Lumistrand.xml";

// A file of the pair that could not be written, and the system's reason.
struct SettingsSaveFailure {
    std::wstring path;
    std::uint32_t error = 0;
};
using SettingsSaveFailures = std::vector<SettingsSaveFailure>;

void SettingsLoad();
// Both files, program folder first: the way every caller saves. Returns the files that could
// not be written, for the caller to log (empty when all went well or saving is off).
SettingsSaveFailures SettingsSaveBoth();

// Roaming application data + "\Lumistrand\Lumistrand.xml", built by SettingsLoad; empty before
// or when the roaming folder is unknown. The settings dialog shows it.
const std::wstring& SettingsProfilePath();
