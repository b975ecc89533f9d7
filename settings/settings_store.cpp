#include "settings/settings_store.h"

#include "platform/files.h"
#include "platform/shell.h"
#include "settings/settings.h"
#include "settings/settings_file.h"
#include "settings/settings_keys.h"
#include "settings/ui_language.h"

SettingsStatus g_settingsStatus;

namespace {

std::wstring g_profilePath;

std::wstring ProfileFolder() {
    const std::wstring roaming = ShellRoamingAppDataFolder();
    return roaming.empty() ? roaming : roaming + L"\\Lumistrand";
}

void ApplyToGlobals(std::wstring_view key, std::wstring_view value) {
    SettingsApplyPair(g_settings, g_settingsStatus, key, value);
}

}  // namespace

const std::wstring& SettingsProfilePath() { return g_profilePath; }

void SettingsLoad() {
    const std::wstring folder = ProfileFolder();
    g_profilePath = folder.empty() ? folder : folder + L"\\" + kSettingsFileName;
    // A program-folder file that cannot be written (a read-only install) is stale: the saves
    // that failed since went only to the profile copy.
    if (SettingsFileWritable(kSettingsFileName) && SettingsFileRead(kSettingsFileName, ApplyToGlobals)) return;
    if (!g_profilePath.empty()) SettingsFileRead(g_profilePath, ApplyToGlobals);
}

SettingsSaveFailures SettingsSaveBoth() {
    SettingsSaveFailures failures;
    if (g_settingsStatus.suppressSave) return failures;
    const SettingsPairs pairs = SettingsWriteList(g_settings, g_settingsStatus, UiIsGerman());
    std::uint32_t error = 0;
    if (g_settings.cdbackup && !SettingsFileWrite(kSettingsFileName, pairs, true, error)) {
        failures.push_back({kSettingsFileName, error});
    }
    if (!g_settings.additional) return failures;
    const std::wstring folder = ProfileFolder();
    if (folder.empty()) return failures;
    if (!FolderCreate(folder)) {
        failures.push_back({folder, FilesLastError()});
    } else if (!SettingsFileWrite(folder + L"\\" + kSettingsFileName, pairs, false, error)) {
        failures.push_back({folder + L"\\" + kSettingsFileName, error});
    }
    return failures;
}
