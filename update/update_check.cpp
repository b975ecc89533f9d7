#include "update/update_check.h"

#include <cwchar>

#include "platform/clock.h"
#include "platform/download.h"
#include "platform/message_box.h"
#include "platform/shell.h"
#include "settings/settings.h"
#include "settings/texts.h"
#include "ui/update_dialog.h"
#include "update/home_page.h"
#include "update/own_version.h"
#include "update/self_update.h"
#include "update/update_schedule.h"
#include "update/update_site.h"

namespace {

bool g_busy = false;

// The site's version.inf, read and deleted again at once; empty when nothing arrived.
std::string FetchVersionFile(const std::wstring& folder) {
    const std::wstring path = folder + L"\\version.inf";
    ShellDeleteFile(path);
    std::string bytes;
    if (DownloadToFile(UpdateSiteFile(L"/version.inf"), path)) bytes = ShellReadFile(path, kVersionInfoMaxBytes + 1);
    ShellDeleteFile(path);
    return bytes;
}

void ReportNoUpdate(const VersionInfo& running) {
    wchar_t text[256] = {};
    std::swprintf(text, 256, UiText(TextId::UpdateNone), MajorMinor(running, L'.').c_str());
    if (MessageBoxYesNo(UiText(TextId::UpdateNoneTitle), text, false)) ShellOpen(kHomePage);
}

void Check(bool interactive) {
    const std::wstring folder = UpdateWorkFolder();
    if (folder.empty()) return;
    const auto offered = ParseVersionInfo(FetchVersionFile(folder));
    if (!offered) {
        if (interactive) MessageBoxShow(L"Lumistrand", UiText(TextId::UpdateCheckFailed), true);
        return;
    }
    const VersionInfo running = ParseVersionInfo(kOwnVersionText).value();
    if (!IsNewerVersion(*offered, running)) {
        if (interactive) ReportNoUpdate(running);
        return;
    }
    switch (AskForUpdate(running, *offered)) {
        case UpdateChoice::Homepage: ShellOpen(kHomePage); break;
        case UpdateChoice::Install: InstallNewVersion(*offered); break;
        case UpdateChoice::Cancel: break;
    }
}

}  // namespace

void CheckForUpdate(bool interactive) {
    g_settings.lastcheck = ClockLocalTime().day;
    if (g_busy) return;
    g_busy = true;
    Check(interactive);
    g_busy = false;
}

void AutomaticUpdateCheck() {
    if (UpdateCheckDue(g_settings, ClockLocalTime().day)) CheckForUpdate(false);
}
