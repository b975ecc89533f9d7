// File seam for the event log: exclusive open, append, move aside, folder creation.
// Windows: files_win32.cpp (CreateFileW without sharing). Host tests: testing/fakes/files_fake.cpp
// (real files; a path held open is refused a second open, as a share violation would).
#pragma once
#include <cstdint>
#include <string>

using FileHandle = std::intptr_t;
inline constexpr FileHandle kNoFile = -1;

// Opens for reading and writing without sharing, creating the file when it is missing.
bool FileOpenExclusive(const std::wstring& path, FileHandle& file);
bool FileGetSize(FileHandle file, std::uint64_t& size);
// Reads from the start of the file; bytesRead holds how many bytes arrived (0 on failure).
bool FileReadStart(FileHandle file, void* buffer, std::uint32_t size, std::uint32_t& bytesRead);
// Moves to the end of the file and writes all of data.
bool FileAppend(FileHandle file, const void* data, std::uint32_t size);
void FileClose(FileHandle file);

bool FileExists(const std::wstring& path);
// Renames; fails when target already exists.
bool FileMove(const std::wstring& from, const std::wstring& to);
// Succeeds when the folder exists afterwards (also when it existed before).
bool FolderCreate(const std::wstring& path);

// The system's error code of the last call here that failed, for the caller's log line.
std::uint32_t FilesLastError();

// The own process id, written into each log line.
std::uint32_t ProcessCurrentId();
