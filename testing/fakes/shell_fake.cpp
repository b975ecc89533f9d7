#include "testing/fakes/shell_fake.h"

#include <filesystem>
#include <fstream>

#include "testing/fakes/files_fake.h"

namespace {
std::wstring g_roamingFolder = (std::filesystem::temp_directory_path() / "lumistrand-roaming").wstring();
std::vector<std::wstring> g_opened;
bool g_remoteSession = false;
}  // namespace

std::wstring ShellRoamingAppDataFolder() { return g_roamingFolder; }

void FakeShellSetRoamingFolder(const std::wstring& folder) { g_roamingFolder = folder; }

const std::vector<std::wstring>& FakeShellOpenedFiles() { return g_opened; }

void FakeShellReset() {
    g_opened.clear();
    g_remoteSession = false;
}

void FakeShellSetRemoteSession(bool remote) { g_remoteSession = remote; }

// The host stands in for a single-byte code page: characters beyond it become "?".
std::string ShellAnsiText(std::wstring_view text, std::size_t maxBytes) {
    std::string bytes;
    for (const wchar_t c : text) {
        if (bytes.size() == maxBytes) break;
        bytes += c < 0x100 ? static_cast<char>(c) : '?';
    }
    return bytes;
}

bool ShellWriteFile(const std::wstring& path, const std::string& bytes) {
    std::ofstream file(FakeFilesHostPath(path), std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

bool ShellFileExists(const std::wstring& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(FakeFilesHostPath(path), error);
}

bool ShellDeleteFile(const std::wstring& path) {
    std::error_code error;
    std::filesystem::remove(FakeFilesHostPath(path), error);
    return !ShellFileExists(path);
}

bool ShellRemoveEmptyFolder(const std::wstring& path) {
    const std::filesystem::path folder = FakeFilesHostPath(path);
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error) || !std::filesystem::is_empty(folder, error)) return false;
    return std::filesystem::remove(folder, error);
}

bool ShellOpenHidden(const std::wstring& path) {
    g_opened.push_back(path);
    return ShellFileExists(path);
}

bool ShellOpen(const std::wstring& target) {
    g_opened.push_back(target);
    return true;
}

std::wstring ShellStartupFolder() { return (std::filesystem::temp_directory_path() / "lumistrand-startup").wstring(); }

// The link's bytes name its target, so tests can tell a created link from a missing one.
bool ShellLinkToProgram(const std::wstring& linkPath) {
    std::error_code error;
    std::filesystem::create_directories(FakeFilesHostPath(linkPath).parent_path(), error);
    return ShellWriteFile(linkPath, "Lumistrand.exe");
}

bool ShellIsRemoteSession() { return g_remoteSession; }
