#include <windows.h>

#include "platform/files.h"

namespace {

HANDLE AsHandle(FileHandle file) { return reinterpret_cast<HANDLE>(file); }

DWORD g_lastError = ERROR_SUCCESS;

// Keeps the cause of a failure for FilesLastError; passes ok on.
bool Noted(bool ok) {
    if (!ok) g_lastError = GetLastError();
    return ok;
}

}  // namespace

bool FileOpenExclusive(const std::wstring& path, FileHandle& file) {
    const HANDLE handle = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (!Noted(handle != INVALID_HANDLE_VALUE)) return false;
    file = reinterpret_cast<FileHandle>(handle);
    return true;
}

bool FileGetSize(FileHandle file, std::uint64_t& size) {
    LARGE_INTEGER value{};
    if (!GetFileSizeEx(AsHandle(file), &value)) return false;
    size = static_cast<std::uint64_t>(value.QuadPart);
    return true;
}

bool FileReadStart(FileHandle file, void* buffer, std::uint32_t size, std::uint32_t& bytesRead) {
    bytesRead = 0;
    LARGE_INTEGER start{};
    if (!SetFilePointerEx(AsHandle(file), start, nullptr, FILE_BEGIN)) return false;
    DWORD got = 0;
    if (!ReadFile(AsHandle(file), buffer, size, &got, nullptr)) return false;
    bytesRead = got;
    return true;
}

bool FileAppend(FileHandle file, const void* data, std::uint32_t size) {
    LARGE_INTEGER zero{};
    if (!SetFilePointerEx(AsHandle(file), zero, nullptr, FILE_END)) return false;
    DWORD written = 0;
    return WriteFile(AsHandle(file), data, size, &written, nullptr) && written == size;
}

void FileClose(FileHandle file) { CloseHandle(AsHandle(file)); }

bool FileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool FileMove(const std::wstring& from, const std::wstring& to) { return Noted(MoveFileW(from.c_str(), to.c_str()) != 0); }

bool FolderCreate(const std::wstring& path) {
    if (CreateDirectoryW(path.c_str(), nullptr)) return true;
    const DWORD error = GetLastError();
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return true;
    g_lastError = error;
    return false;
}

std::uint32_t FilesLastError() { return g_lastError; }

std::uint32_t ProcessCurrentId() { return GetCurrentProcessId(); }
