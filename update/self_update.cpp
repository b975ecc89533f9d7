#include "update/self_update.h"

#include <string>

#include "platform/download.h"
#include "platform/message_box.h"
#include "platform/requests.h"
#include "platform/shell.h"
#include "settings/texts.h"
#include "update/executable_check.h"
#include "update/update_batch.h"
#include "update/update_site.h"

namespace {

// The installer's key under "...\CurrentVersion\Uninstall".
constexpr wchar_t kInstallerKey[] = L"{5C1E2B7A-3D94-4F0B-A6E8-7B21D94C0F3E}_is1";
constexpr std::size_t kProgramMaxBytes = 64u << 20;

// A wide character becomes at most two bytes in any ANSI code page.
std::string AnsiPath(const std::wstring& path) { return ShellAnsiText(path, path.size() * 2); }

// An empty text still replaces an old batch, so that nothing stale is left to run.
bool RunBatch(const std::wstring& folder, const std::string& text) {
    const std::wstring batch = folder + L"\\Lumistrand.bat";
    return ShellWriteFile(batch, text) && !text.empty() && ShellOpenHidden(batch);
}

}  // namespace

void InstallNewVersion(const VersionInfo& offered) {
    const std::wstring work = UpdateWorkFolder();
    const std::wstring programFolder = ProgramFolderOf(ShellProgramPath());
    if (work.empty() || programFolder.empty()) return;
    const bool installed = DownloadInstallerFound(kInstallerKey);
    const std::wstring name =
        (installed ? L"setup_Lumistrand_" : L"Lumistrand_") + MajorMinor(offered, L'_') + L".exe";
    const std::wstring target = (installed ? work : programFolder) + L"\\" + name;
    if (!installed) DownloadToFile(UpdateSiteFile(L"/Lumistrand.txt"), programFolder + L"\\Lumistrand.txt");
    if (!DownloadToFile(UpdateSiteFile(L"/" + name), target) ||
        !IsCompleteExecutable(ShellReadFile(target, kProgramMaxBytes + 1))) {
        ShellDeleteFile(target);
        MessageBoxShow(L"Lumistrand", UiText(TextId::UpdateNotExecutable), true);
        return;
    }
    if (RunBatch(work, InstallBatchText(AnsiPath(target)))) RequestQuietExit();
}

bool StartUninstallBatch() {
    const std::wstring program = ShellProgramPath();
    const std::wstring work = UpdateWorkFolder();
    if (program.empty() || work.empty()) return false;
    const std::wstring uninstaller = ProgramFolderOf(program) + L"\\unins000.exe";
    return RunBatch(work, UninstallBatchText(AnsiPath(program), AnsiPath(uninstaller)));
}
