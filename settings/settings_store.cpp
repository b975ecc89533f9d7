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

void SettingsSave(bool profileCopy) {
    if (g_settingsStatus.suppressSave) return;
    if (!(profileCopy ? g_settings.additional : g_settings.cdbackup)) return;
    const SettingsPairs pairs = SettingsWriteList(g_settings, g_settingsStatus, UiIsGerman());
    if (!profileCopy) {
        SettingsFileWrite(kSettingsFileName, pairs, true);
        return;
    }
    const std::wstring folder = ProfileFolder();
    if (folder.empty() || !FolderCreate(folder)) return;
    SettingsFileWrite(folder + L"\\" + kSettingsFileName, pairs, false);
}

void SettingsSaveBoth() {
    SettingsSave(false);
    SettingsSave(true);
}
