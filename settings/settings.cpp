#include "settings/settings.h"

#include "settings/settings_keys.h"

KnownMonitor::KnownMonitor() { KnownMonitorApplyDefaults(*this); }

Settings::Settings() { SettingsApplyDefaults(*this); }

Settings g_settings;
