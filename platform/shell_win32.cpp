#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>

#include "platform/owners_win32.h"
#include "platform/shell.h"

std::wstring ShellRoamingAppDataFolder() {
    CoTaskText path;
    std::wstring folder;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, path.out()))) folder = path.get();
    while (!folder.empty() && folder.back() == L'\\') folder.pop_back();
    return folder;
}

std::string ShellAnsiText(std::wstring_view text, std::size_t maxBytes) {
    // Shortening the wide text until it fits never splits a double-byte character. Without best
    // fit a character the code page lacks becomes "?" instead of a look-alike such as a quote.
    for (std::size_t length = text.size(); length > 0; --length) {
        const int needed = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), static_cast<int>(length),
                                               nullptr, 0, nullptr, nullptr);
        if (needed <= 0 || static_cast<std::size_t>(needed) > maxBytes) continue;
        std::string bytes(static_cast<std::size_t>(needed), '\0');
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), static_cast<int>(length), bytes.data(), needed,
                            nullptr, nullptr);
        return bytes;
    }
    return {};
}

bool ShellWriteFile(const std::wstring& path, const std::string& bytes) {
    const UniqueFile file(
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    DWORD written = 0;
    return bytes.empty() || (WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                             written == bytes.size());
}

bool ShellFileExists(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool ShellDeleteFile(const std::wstring& path) {
    return DeleteFileW(path.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND;
}

bool ShellRemoveEmptyFolder(const std::wstring& path) { return RemoveDirectoryW(path.c_str()) != 0; }

namespace {

bool OpenShown(const std::wstring& target, int show) {
    const auto result = reinterpret_cast<INT_PTR>(ShellExecuteW(nullptr, L"open", target.c_str(), nullptr, nullptr, show));
    return result > 32;
}

}  // namespace

bool ShellOpenHidden(const std::wstring& path) { return OpenShown(path, SW_HIDE); }

bool ShellOpen(const std::wstring& target) { return OpenShown(target, SW_SHOWNORMAL); }

std::string ShellReadFile(const std::wstring& path, std::size_t maxBytes) {
    const UniqueFile file(
        CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!file || !GetFileSizeEx(file.get(), &size)) return {};
    std::string bytes(static_cast<std::size_t>(std::min<LONGLONG>(size.QuadPart, static_cast<LONGLONG>(maxBytes))), '\0');
    DWORD read = 0;
    if (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) return {};
    bytes.resize(read);
    return bytes;
}

std::wstring ShellProgramPath() {
    wchar_t path[MAX_PATH * 2] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH * 2);
    return length > 0 && length < MAX_PATH * 2 ? std::wstring(path, length) : std::wstring();
}
