// Shell seam: known folders, the program's small files in the roaming folder, and opening
// files with the shell. Windows: shell_win32.cpp. Host tests: testing/fakes/shell_fake.cpp
// (real files under a temp folder; opened files are recorded, never run).
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// The user's roaming application-data folder without a trailing backslash; empty on failure.
std::wstring ShellRoamingAppDataFolder();

// text in the system's ANSI code page, cut to at most maxBytes without splitting a character.
std::string ShellAnsiText(std::wstring_view text, std::size_t maxBytes);
// Creates or replaces the file with exactly these bytes.
bool ShellWriteFile(const std::wstring& path, const std::string& bytes);
bool ShellFileExists(const std::wstring& path);
// True when the file is gone afterwards (also when it never existed).
bool ShellDeleteFile(const std::wstring& path);
// Removes the folder only when it is empty.
bool ShellRemoveEmptyFolder(const std::wstring& path);
// Opens the file with the shell's "open" verb in a hidden window.
bool ShellOpenHidden(const std::wstring& path);
// Opens a file or an address with the shell's "open" verb, shown: a web page in the browser.
bool ShellOpen(const std::wstring& target);
// The file's first maxBytes bytes; empty when it cannot be read.
std::string ShellReadFile(const std::wstring& path, std::size_t maxBytes);
// The full path of the running program file; empty on failure.
std::wstring ShellProgramPath();
