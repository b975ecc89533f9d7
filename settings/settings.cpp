#include "settings/settings.h"

#include <utility>

#include "settings/settings_keys.h"

KnownMonitor::KnownMonitor() { KnownMonitorApplyDefaults(*this); }

Settings::Settings() { SettingsApplyDefaults(*this); }

Settings g_settings;

void SettingsSetLogFile(std::wstring path) { g_settings.logfile = std::move(path); }
