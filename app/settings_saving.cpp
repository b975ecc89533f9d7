#include "app/settings_saving.h"

#include "log/event_log.h"

void LogSettingsSaveFailures(const SettingsSaveFailures& failures) {
    for (const SettingsSaveFailure& failure : failures) LogFailureCause(false, L"Save settings", failure.path, failure.error);
}

void SaveSettingsPair() { LogSettingsSaveFailures(SettingsSaveBoth()); }
