// The start-up steps that belong to the settings, in the order start-up calls them:
// SettingsApplyBuiltInDefaults before SettingsLoad, then KnownMonitorsDropWithoutUid and
// SettingsChooseUiLanguage right after it, SettingsSaveAtStartup once the control panel's
// visibility is settled.
#pragma once
#include <cstdint>

#include "settings/settings.h"

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

// Saves both files; when the known-monitor list is full they are saved without it and the
// result is true: the program must restart so that the successor starts with an empty list.
bool SettingsSaveAtStartup();
