#include "testing/fakes/shell_fake.h"

#include <filesystem>

namespace {
std::wstring g_roamingFolder = (std::filesystem::temp_directory_path() / "lumistrand-roaming").wstring();
}

std::wstring ShellRoamingAppDataFolder() { return g_roamingFolder; }

void FakeShellSetRoamingFolder(const std::wstring& folder) { g_roamingFolder = folder; }
