#include "platform/running_programs.h"

// Two programs, as a desktop with a player and a browser would list them.
std::vector<std::wstring> RunningProgramPaths() {
    return {L"C:\\Program Files\\Player\\player.exe", L"C:\\Program Files\\Browser\\browser.exe"};
}
