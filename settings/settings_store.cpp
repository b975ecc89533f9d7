#include "settings/settings_store.h"

SettingsStatus g_settingsStatus;

void SettingsLoad() {}
void SettingsSave(bool) {}
void SettingsSaveBoth() {}
