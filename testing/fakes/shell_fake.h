#pragma once
#include <string>
#include <vector>

#include "platform/shell.h"

void FakeShellSetRoamingFolder(const std::wstring& folder);
// Paths handed to ShellOpenHidden and ShellOpen since the last reset, in order.
const std::vector<std::wstring>& FakeShellOpenedFiles();
// What ShellProgramPath answers until the next reset.
void FakeShellSetProgramPath(const std::wstring& path);
void FakeShellReset();
