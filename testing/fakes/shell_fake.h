#pragma once
#include <filesystem>
#include <string>
#include <vector>

#include "platform/shell.h"

void FakeShellSetRoamingFolder(const std::wstring& folder);
// A new empty folder of this process, made the roaming folder; removed at exit.
std::filesystem::path FakeShellFreshRoamingFolder();
// Paths handed to ShellOpenHidden and ShellOpen since the last reset, in order.
const std::vector<std::wstring>& FakeShellOpenedFiles();
// What ShellProgramPath answers until the next reset.
void FakeShellSetProgramPath(const std::wstring& path);
void FakeShellSetRemoteSession(bool remote);
void FakeShellReset();
