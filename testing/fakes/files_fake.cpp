#include "testing/fakes/files_fake.h"

#include <fcntl.h>
#include <unistd.h>

#include <map>
#include <set>

namespace {

std::set<std::filesystem::path> g_held;
std::map<FileHandle, std::filesystem::path> g_open;
std::uint32_t g_lastError = 0;

// The Windows codes a caller would see for the same refusals.
constexpr std::uint32_t kSharingViolation = 32;
constexpr std::uint32_t kAlreadyExists = 183;

bool Failed(std::uint32_t error) {
    g_lastError = error;
    return false;
}

bool IsOpen(const std::filesystem::path& path) {
    for (const auto& [handle, open] : g_open) {
        if (open == path) return true;
    }
    return g_held.count(path) != 0;
}

}  // namespace

std::filesystem::path FakeFilesHostPath(const std::wstring& path) {
    std::wstring host = path;
    for (wchar_t& c : host) {
        if (c == L'\\') c = L'/';
    }
    return std::filesystem::path(host).lexically_normal();
}

void FakeFilesHoldOpen(const std::wstring& path, bool held) {
    if (held) {
        g_held.insert(FakeFilesHostPath(path));
    } else {
        g_held.erase(FakeFilesHostPath(path));
    }
}

bool FileOpenExclusive(const std::wstring& path, FileHandle& file) {
    const std::filesystem::path host = FakeFilesHostPath(path);
    if (IsOpen(host)) return false;
    const int fd = ::open(host.c_str(), O_RDWR | O_CREAT, 0644);
    if (fd < 0) return false;
    file = fd;
    g_open[file] = host;
    return true;
}

bool FileGetSize(FileHandle file, std::uint64_t& size) {
    const off_t end = ::lseek(static_cast<int>(file), 0, SEEK_END);
    if (end < 0) return false;
    size = static_cast<std::uint64_t>(end);
    return true;
}

bool FileReadStart(FileHandle file, void* buffer, std::uint32_t size, std::uint32_t& bytesRead) {
    bytesRead = 0;
    const ssize_t got = ::pread(static_cast<int>(file), buffer, size, 0);
    if (got < 0) return false;
    bytesRead = static_cast<std::uint32_t>(got);
    return true;
}

bool FileAppend(FileHandle file, const void* data, std::uint32_t size) {
    if (::lseek(static_cast<int>(file), 0, SEEK_END) < 0) return false;
    return ::write(static_cast<int>(file), data, size) == static_cast<ssize_t>(size);
}

void FileClose(FileHandle file) {
    if (g_open.erase(file) != 0) ::close(static_cast<int>(file));
}

bool FileExists(const std::wstring& path) {
    std::error_code error;
    return std::filesystem::exists(FakeFilesHostPath(path), error);
}

bool FileMove(const std::wstring& from, const std::wstring& to) {
    const std::filesystem::path source = FakeFilesHostPath(from);
    const std::filesystem::path target = FakeFilesHostPath(to);
    std::error_code error;
    if (IsOpen(source)) return Failed(kSharingViolation);
    if (std::filesystem::exists(target, error)) return Failed(kAlreadyExists);
    std::filesystem::rename(source, target, error);
    return !error || Failed(static_cast<std::uint32_t>(error.value()));
}

bool FolderCreate(const std::wstring& path) {
    std::error_code error;
    const std::filesystem::path host = FakeFilesHostPath(path);
    std::filesystem::create_directories(host, error);
    // A file in the folder's place is no error to the library, but Windows refuses it.
    return std::filesystem::is_directory(host, error) || Failed(error ? static_cast<std::uint32_t>(error.value()) : kAlreadyExists);
}

std::uint32_t FilesLastError() { return g_lastError; }

std::uint32_t ProcessCurrentId() { return static_cast<std::uint32_t>(::getpid()); }
