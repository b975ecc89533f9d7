// The start-up steps that belong to the settings, in the order start-up calls them:
// SettingsApplyBuiltInDefaults before SettingsLoad, then KnownMonitorsDropWithoutUid and
// SettingsChooseUiLanguage right after it, SettingsSaveAtStartup once the control panel's
// visibility is settled.
#pragma once
#include <cstdint>

#include "settings/settings.h"
#include "settings/settings_store.h"

// From this free slot on the list counts as full: the program drops it and restarts.
inline constexpr int kKnownMonitorsFullFrom = 118;

void SettingsApplyBuiltInDefaults();

// Resets every slot whose identification does not carry "&UID": entries of older versions
// were keyed by names that no longer identify a monitor.
void KnownMonitorsDropWithoutUid(Settings& settings);

// The primary language id that the texts follow: the system's, overridden by `language`.
std::uint16_t SettingsUiLanguage(const Settings& settings, std::uint16_t systemLanguage);
// Sets the application's UI language from the system and the loaded settings.
void SettingsChooseUiLanguage();

// No free slot, or the first free one at kKnownMonitorsFullFrom or later.
bool KnownMonitorsFull(const Settings& settings);

struct StartupSave {
    bool knownListFull = false;  // saved without it: the program must restart with an empty list
    SettingsSaveFailures failures;
};

// Saves both files, without the known-monitor list when it is full.
StartupSave SettingsSaveAtStartup();
