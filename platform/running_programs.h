// Running programs seam: the programs a user can pick for the full-screen rows.
// Windows: running_programs_win32.cpp. Host tests: testing/fakes/running_programs_fake.cpp.
#pragma once
#include <string>
#include <vector>

// Full paths of the programs that show a visible titled window, each once, this one left out.
std::vector<std::wstring> RunningProgramPaths();
