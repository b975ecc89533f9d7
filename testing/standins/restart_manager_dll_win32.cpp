// A Restart Manager for Wine, whose own returns success and ends nothing: a forced shutdown
// ends every process whose image is one of the registered files. One session at a time.
#include <windows.h>
#include <restartmanager.h>
#include <tlhelp32.h>

#include <string>
#include <vector>

namespace {

std::vector<std::wstring> g_files;

void EndIfRegistered(DWORD processId) {
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE, FALSE, processId);
    if (process == nullptr) return;
    wchar_t image[MAX_PATH * 2] = {};
    DWORD length = MAX_PATH * 2;
    if (QueryFullProcessImageNameW(process, 0, image, &length)) {
        for (const std::wstring& file : g_files) {
            if (lstrcmpiW(file.c_str(), image) == 0) {
                TerminateProcess(process, 0);
                break;
            }
        }
    }
    CloseHandle(process);
}

}  // namespace

extern "C" {

DWORD WINAPI RmStartSession(DWORD* session, DWORD, WCHAR* key) {
    g_files.clear();
    *session = 1;
    if (key != nullptr) key[0] = L'\0';
    return ERROR_SUCCESS;
}

DWORD WINAPI RmRegisterResources(DWORD, UINT fileCount, LPCWSTR* files, UINT, RM_UNIQUE_PROCESS*, UINT, LPCWSTR*) {
    for (UINT i = 0; i < fileCount; ++i) g_files.emplace_back(files[i]);
    return ERROR_SUCCESS;
}

DWORD WINAPI RmShutdown(DWORD, ULONG, RM_WRITE_STATUS_CALLBACK) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return ERROR_ACCESS_DENIED;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry))
        EndIfRegistered(entry.th32ProcessID);
    CloseHandle(snapshot);
    return ERROR_SUCCESS;
}

DWORD WINAPI RmEndSession(DWORD) {
    g_files.clear();
    return ERROR_SUCCESS;
}

}  // extern "C"
