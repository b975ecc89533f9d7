#include <windows.h>
#include <urlmon.h>
#include <wininet.h>

#include "platform/download.h"

bool DownloadToFile(const std::wstring& url, const std::wstring& path) {
    // A cached copy would hide a newer file on the site.
    DeleteUrlCacheEntryW(url.c_str());
    return SUCCEEDED(URLDownloadToFileW(nullptr, url.c_str(), path.c_str(), 0, nullptr));
}

std::wstring DownloadSiteOverride() {
    wchar_t value[512] = {};
    const DWORD length = GetEnvironmentVariableW(L"LUMISTRAND_UPDATE_SITE", value, 512);
    return length > 0 && length < 512 ? std::wstring(value, length) : std::wstring();
}

bool DownloadInstallerFound(const wchar_t* uninstallKey) {
    const std::wstring key = std::wstring(L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\") + uninstallKey;
    DWORD type = 0;
    return RegGetValueW(HKEY_LOCAL_MACHINE, key.c_str(), L"DisplayVersion", RRF_RT_REG_SZ, &type, nullptr, nullptr) ==
           ERROR_SUCCESS;
}
