#include "testing/fakes/download_fake.h"

#include <map>

#include "platform/shell.h"

namespace {
std::map<std::wstring, std::string> g_served;
std::vector<std::wstring> g_requests;
std::wstring g_override;
bool g_installed = false;
}  // namespace

void FakeDownloadReset() {
    g_served.clear();
    g_requests.clear();
    g_override.clear();
    g_installed = false;
}

void FakeDownloadServe(const std::wstring& url, const std::string& bytes) { g_served[url] = bytes; }

void FakeDownloadSetOverride(const std::wstring& site) { g_override = site; }

void FakeDownloadSetInstalled(bool installed) { g_installed = installed; }

const std::vector<std::wstring>& FakeDownloadRequests() { return g_requests; }

bool DownloadToFile(const std::wstring& url, const std::wstring& path) {
    g_requests.push_back(url);
    const auto served = g_served.find(url);
    return served != g_served.end() && ShellWriteFile(path, served->second);
}

std::wstring DownloadSiteOverride() { return g_override; }

bool DownloadInstallerFound(const wchar_t*) { return g_installed; }
