#include "ui/settings_autostart.h"

#include "log/event_log.h"
#include "monitors/monitor_table.h"
#include "platform/shell.h"
#include "settings/settings.h"

std::wstring AutostartShortcutPath() {
    const std::wstring folder = ShellStartupFolder();
    return folder.empty() ? std::wstring() : folder + L"\\Lumistrand.lnk";
}

void ApplyAutostartShortcut() {
    const std::wstring path = AutostartShortcutPath();
    if (path.empty()) return;
    const bool wanted = g_settings.autostart && (!g_monitors.physicalQueryFailed || ShellIsRemoteSession());
    if (!wanted) {
        ShellDeleteFile(path);
        return;
    }
    LogFailureCause(ShellLinkToProgram(path), L"IShellLink Save", path, 0);
}
