#include <windows.h>

#include <algorithm>

#include "platform/owners_win32.h"
#include "platform/running_programs.h"

namespace {

BOOL CALLBACK AddProgram(HWND window, LPARAM paths) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (!IsWindowVisible(window) || GetWindowTextLengthW(window) == 0 || processId == GetCurrentProcessId()) return TRUE;
    const UniqueHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    wchar_t path[MAX_PATH * 2] = {};
    DWORD length = MAX_PATH * 2;
    if (!process || !QueryFullProcessImageNameW(process.get(), 0, path, &length)) return TRUE;
    auto& list = *reinterpret_cast<std::vector<std::wstring>*>(paths);
    if (std::find(list.begin(), list.end(), path) == list.end()) list.emplace_back(path, length);
    return TRUE;
}

}  // namespace

std::vector<std::wstring> RunningProgramPaths() {
    std::vector<std::wstring> paths;
    EnumWindows(AddProgram, reinterpret_cast<LPARAM>(&paths));
    return paths;
}
