// Texts of "\Lumistrand\Lumistrand.bat", which waits until the program has ended and then
// starts the new version or removes the program. Paths come in the system's ANSI code page.
#pragma once
#include <string>
#include <string_view>

// Runs the downloaded installer or program file.
std::string InstallBatchText(std::string_view ansiProgram);
// Deletes the program file, then runs the installer's uninstaller beside it.
std::string UninstallBatchText(std::string_view ansiProgram, std::string_view ansiUninstaller);

// Both are empty when a path cannot be written so that cmd reads exactly that path: "?" stands
// for a character the code page cannot hold, and quotes or control characters would end the
// quoting. Inside quotes "&" and "^" are plain characters; "%" is doubled, since cmd expands
// variables before it looks at quotes.
