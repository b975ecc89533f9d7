#include "testing/fakes/shell_fake.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "platform/files.h"
#include "testing/fakes/files_fake.h"

namespace {
std::wstring g_roamingFolder = (std::filesystem::temp_directory_path() / "lumistrand-roaming").wstring();
std::vector<std::wstring> g_opened;
const std::wstring kProgramPath = (std::filesystem::temp_directory_path() / "lumistrand-program").wstring() + L"\\Lumistrand.exe";
std::wstring g_programPath = kProgramPath;
bool g_remoteSession = false;

struct FreshFolder {
    std::filesystem::path path;
    ~FreshFolder() {
        std::error_code error;
        if (!path.empty()) std::filesystem::remove_all(path, error);
    }
} g_freshFolder;
}  // namespace

std::wstring ShellRoamingAppDataFolder() { return g_roamingFolder; }

void FakeShellSetRoamingFolder(const std::wstring& folder) { g_roamingFolder = folder; }

std::filesystem::path FakeShellFreshRoamingFolder() {
    g_freshFolder.path = std::filesystem::temp_directory_path() / ("lumistrand-roaming-" + std::to_string(ProcessCurrentId()));
    std::filesystem::remove_all(g_freshFolder.path);
    std::filesystem::create_directories(g_freshFolder.path);
    g_roamingFolder = g_freshFolder.path.wstring();
    return g_freshFolder.path;
}

const std::vector<std::wstring>& FakeShellOpenedFiles() { return g_opened; }

void FakeShellReset() {
    g_opened.clear();
    g_programPath = kProgramPath;
    g_remoteSession = false;
}

void FakeShellSetProgramPath(const std::wstring& path) { g_programPath = path; }

std::wstring ShellProgramPath() { return g_programPath; }

void FakeShellSetRemoteSession(bool remote) { g_remoteSession = remote; }

// The host stands in for a single-byte code page: characters beyond it become "?".
// The host's ANSI code page is Latin-1.
std::wstring ShellTextFromAnsi(std::string_view bytes) {
    std::wstring text;
    for (const char c : bytes) text += static_cast<wchar_t>(static_cast<unsigned char>(c));
    return text;
}

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

std::string ShellReadFile(const std::wstring& path, std::size_t maxBytes) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(FakeFilesHostPath(path), error);
    if (error) return {};
    std::ifstream file(FakeFilesHostPath(path), std::ios::binary);
    std::string bytes(static_cast<std::size_t>(std::min<std::uintmax_t>(size, maxBytes)), '\0');
    file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    return bytes;
}
std::wstring ShellStartupFolder() { return (std::filesystem::temp_directory_path() / "lumistrand-startup").wstring(); }

// The link's bytes name its target, so tests can tell a created link from a missing one.
bool ShellLinkToProgram(const std::wstring& linkPath) {
    std::error_code error;
    std::filesystem::create_directories(FakeFilesHostPath(linkPath).parent_path(), error);
    return ShellWriteFile(linkPath, "Lumistrand.exe");
}

bool ShellIsRemoteSession() { return g_remoteSession; }
