#include "app/uninstall.h"

#include "platform/message_box.h"
#include "platform/requests.h"
#include "platform/shell.h"
#include "settings/settings.h"
#include "settings/settings_store.h"
#include "settings/texts.h"
#include "ui/settings_autostart.h"
#include "update/self_update.h"
#include "update/update_site.h"

void UninstallProgram() {
    if (!MessageBoxYesNo(UiText(TextId::ClickNoIfUnsure), UiText(TextId::UninstallQuestion), true)) return;
    g_settings.autostart = false;
    ApplyAutostartShortcut();
    ShellDeleteFile(ProgramFolderOf(ShellProgramPath()) + L"\\" + kSettingsFileName);
    StartUninstallBatch();
    // Saving at the end would write the settings file that was just deleted.
    RequestExitWithoutSaving();
}
