// Saving the settings pair from the application, which knows how to report a failure; it
// defines SaveSettingsPair of platform/requests.h.
#pragma once
#include "platform/requests.h"
#include "settings/settings_store.h"

// Logs every file of the pair that could not be written, with the system's error code.
void LogSettingsSaveFailures(const SettingsSaveFailures& failures);
