#include "app/restart_marker.h"

#include <string>

#include "log/event_log.h"
#include "platform/files.h"
#include "platform/shell.h"

namespace {

std::wstring ProgramFolder() {
    const std::wstring roaming = ShellRoamingAppDataFolder();
    return roaming.empty() ? std::wstring() : roaming + L"\\Lumistrand";
}

}  // namespace

bool MarkHiddenRestart(bool hidden) {
    const std::wstring folder = ProgramFolder();
    if (folder.empty() || !LogFailureCause(FolderCreate(folder), L"CreateDirectory", folder, FilesLastError())) return false;
    const std::wstring marker = folder + L"\\hiddenrestart";
    return hidden ? ShellWriteFile(marker, {}) : ShellDeleteFile(marker);
}

bool TakeHiddenRestartMarker() {
    const std::wstring folder = ProgramFolder();
    if (folder.empty()) return false;
    const std::wstring marker = folder + L"\\hiddenrestart";
    const bool hidden = ShellFileExists(marker);
    if (hidden) ShellDeleteFile(marker);
    ShellDeleteFile(folder + L"\\Lumistrand.bat");
    ShellRemoveEmptyFolder(folder);
    return hidden;
}
