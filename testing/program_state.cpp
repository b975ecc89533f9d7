#include "testing/program_state.h"

#include "app/exit_path.h"
#include "app/pending_line.h"
#include "app/periodic_work.h"
#include "app/start_facts.h"
#include "app/system_events.h"
#include "automation/program_triggers.h"
#include "automation/timed_lines.h"
#include "commands/interpreter.h"
#include "hooks/handover.h"
#include "hooks/key_hook.h"
#include "hooks/mouse_hook.h"
#include "log/event_log.h"
#include "monitors/brightness.h"
#include "monitors/monitor_list.h"
#include "monitors/monitor_table.h"
#include "monitors/pending_requests.h"
#include "monitors/saturation.h"
#include "settings/settings.h"
#include "settings/settings_store.h"
#include "settings/ui_language.h"
#include "tray/balloon.h"
#include "tray/icon_set.h"
#include "ui/hidden_icons.h"

void ResetProgramState() {
    g_settings = Settings{};
    g_settingsStatus = SettingsStatus{};
    g_monitors = MonitorTable{};
    g_start = StartFacts{};
    ExitResetState();
    SystemEventsReset();
    PeriodicWorkReset();
    SetPendingLine({});
    MonitorListClear();
    UiLanguageSet(0);
    LogSetDuplicateMode(false);
    for (std::int32_t index = 0; index < kLoggedMonitors; ++index) LogSetMonitorName(index, {});
    InterpreterReset();
    ClearPreparedVcpMessage();
    FreeGpuLibraries();
    BrightnessHoldBalloons(false);
    IconSetReset();
    HiddenIconCheckReset();
    BalloonReset();
    HookHandoverReset();
    KeyHookReset();
    MouseHookReset();
    ProgramTriggersReset();
    TimedLinesReset();
    ResetSystemStandIns();
}
