// Download seam: fetching files from the update site, the site's override from the environment,
// and whether the installer put the program here. Windows: download_win32.cpp (URLDownloadToFileW,
// the registry). Host tests: testing/fakes/download_fake.cpp serves a table of addresses.
#pragma once
#include <string>

// Fetches url into path, replacing the file. True when the transfer reported success, which an
// HTTP error page also does: the caller checks what arrived.
bool DownloadToFile(const std::wstring& url, const std::wstring& path);
// The environment variable LUMISTRAND_UPDATE_SITE; empty when unset.
std::wstring DownloadSiteOverride();
// True when HKEY_LOCAL_MACHINE "SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\<key>" holds
// the string "DisplayVersion".
bool DownloadInstallerFound(const wchar_t* uninstallKey);
