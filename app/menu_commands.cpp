#include "app/menu_commands.h"

#include "app/control_panel_refresh.h"
#include "app/restart.h"
#include "app/uninstall.h"
#include "monitors/known_monitors.h"
#include "monitors/monitor_list.h"
#include "monitors/monitor_table.h"
#include "platform/instance.h"
#include "platform/requests.h"
#include "res/resource.h"
#include "settings/settings.h"
#include "ui/display_rotation.h"
#include "ui/monitor_dialog.h"
#include "ui/settings_dialog.h"
#include "update/update_check.h"
#include "ui/vcp_explorer.h"

namespace {

constexpr std::int32_t kSettingsPageMenuEntries = 3;

KnownMonitor* KnownMonitorAtRow(std::int32_t row) {
    if (row < 0 || row >= MonitorListRowCount() || row >= kMonitorCount) return nullptr;
    return KnownMonitorOf(g_monitors.entries[row]);
}

void Rescan() { RestartLogged(L"rescan monitors -> restart Lumistrand"); }

// The ignored monitor is left out of every pass, which only a fresh start sets up.
void ToggleIgnoreMonitor(std::int32_t row) {
    KnownMonitor* known = KnownMonitorAtRow(row);
    if (known == nullptr) return;
    known->ignoremonitor = known->ignoremonitor != 0 ? 0 : 1;
    RestartLogged(known->ignoremonitor != 0 ? L"ignore monitor -> restart Lumistrand"
                                            : L"utilize monitor -> restart Lumistrand");
}

void OpenSettingsOnMenuEntries() {
    if (!SettingsDialogIsOpen()) g_settings.lastsettings = kSettingsPageMenuEntries;
    ShowSettingsDialog(g_settings.lastsettings);
}

}  // namespace

bool RunMenuCommand(std::uint32_t id, std::int32_t row) {
    if (id >= kMenuEntryFirst && id <= kMenuEntryLast) {
        SubmitCommandLine(g_settings.m_editbuffer[id - kMenuEntryFirst], kOriginInternal);
        return true;
    }
    switch (id) {
        case IDM_RESCAN: case IDC_RESCAN_WIDE: case IDC_RESCAN_SHORT: Rescan(); break;
        case IDM_SETTINGS: ShowSettingsDialog(g_settings.lastsettings); break;
        case IDM_ENTRY: OpenSettingsOnMenuEntries(); break;
        case IDM_VCP_CODES: ShowVcpExplorer(); break;
        case IDM_UNINSTALL: UninstallProgram(); break;
        case IDM_CHECK_UPDATE: CheckForUpdate(true); break;
        case IDM_LIST_MONITOR_NAME: case IDM_DIM_MONITOR:
            ShowMonitorDialog(row);
            RefreshControlPanel();
            break;
        case IDM_IGNORE_MONITOR: ToggleIgnoreMonitor(row); break;
        case IDM_ROTATE_DISPLAY: RotateSelectedDisplay(); break;
        case IDM_REFRESH_PANEL: RefreshControlPanel(); break;
        default: return false;
    }
    return true;
}
