#include "settings/settings_startup.h"

#include "settings/settings_keys.h"
#include "settings/settings_store.h"
#include "settings/system_language.h"
#include "settings/ui_language.h"

void SettingsApplyBuiltInDefaults() { SettingsApplyDefaults(g_settings); }

void KnownMonitorsDropWithoutUid(Settings& settings) {
    for (KnownMonitor& monitor : settings.known) {
        if (!TextContainsNoCase(monitor.mUID, L"&UID")) monitor = KnownMonitor{};
    }
}

std::uint16_t SettingsUiLanguage(const Settings& settings, std::uint16_t systemLanguage) {
    if (TextEqualsNoCase(settings.language, L"German")) return kLanguageGerman;
    if (TextEqualsNoCase(settings.language, L"English")) return kLanguageEnglish;
    return systemLanguage;
}

void SettingsChooseUiLanguage() { UiLanguageSet(SettingsUiLanguage(g_settings, SystemUiPrimaryLanguage())); }

bool KnownMonitorsFull(const Settings& settings) {
    for (int slot = 0; slot < kKnownMonitorSlots; ++slot) {
        if (settings.known[slot].mUID.empty()) return slot >= kKnownMonitorsFullFrom;
    }
    return true;
}

StartupSave SettingsSaveAtStartup() {
    const bool full = KnownMonitorsFull(g_settings);
    if (full) g_settingsStatus.dropKnownMonitors = true;
    return {full, SettingsSaveBoth()};
}
