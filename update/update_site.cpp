#include "update/update_site.h"

#include "platform/download.h"
#include "platform/files.h"
#include "platform/shell.h"
#include "update/home_page.h"

std::wstring UpdateSiteBase(std::wstring_view override) {
    std::wstring_view base = kHomePage;
    if (override.starts_with(L"http://") || override.starts_with(L"https://")) base = override;
    while (base.ends_with(L'/')) base.remove_suffix(1);
    return std::wstring(base);
}

std::wstring UpdateSiteFile(std::wstring_view name) { return UpdateSiteBase(DownloadSiteOverride()) + std::wstring(name); }

std::wstring UpdateWorkFolder() {
    const std::wstring roaming = ShellRoamingAppDataFolder();
    if (roaming.empty()) return {};
    const std::wstring folder = roaming + L"\\Lumistrand";
    return FolderCreate(folder) ? folder : std::wstring();
}

std::wstring ProgramFolderOf(const std::wstring& programPath) {
    const std::size_t slash = programPath.find_last_of(L'\\');
    return slash == std::wstring::npos ? std::wstring() : programPath.substr(0, slash);
}
