#include <windows.h>
#include <restartmanager.h>

#include "app/main_window_win32.h"
#include "app/older_versions.h"

namespace {

using RmStartSessionFn = DWORD(WINAPI*)(DWORD*, DWORD, WCHAR*);
using RmRegisterResourcesFn = DWORD(WINAPI*)(DWORD, UINT, LPCWSTR*, UINT, RM_UNIQUE_PROCESS*, UINT, LPCWSTR*);
using RmShutdownFn = DWORD(WINAPI*)(DWORD, ULONG, RM_WRITE_STATUS_CALLBACK);
using RmEndSessionFn = DWORD(WINAPI*)(DWORD);

struct RestartManager {
    RmStartSessionFn startSession = nullptr;
    RmRegisterResourcesFn registerResources = nullptr;
    RmShutdownFn shutdown = nullptr;
    RmEndSessionFn endSession = nullptr;
};

template <typename Fn>
Fn Resolve(HMODULE library, const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

// Loaded only when an older version is found; a missing library or function skips the shutdown.
bool LoadRestartManager(RestartManager& rm) {
    HMODULE library = LoadLibraryW(L"rstrtmgr.dll");
    if (library == nullptr) return false;
    rm.startSession = Resolve<RmStartSessionFn>(library, "RmStartSession");
    rm.registerResources = Resolve<RmRegisterResourcesFn>(library, "RmRegisterResources");
    rm.shutdown = Resolve<RmShutdownFn>(library, "RmShutdown");
    rm.endSession = Resolve<RmEndSessionFn>(library, "RmEndSession");
    return rm.startSession && rm.registerResources && rm.shutdown && rm.endSession;
}

void ShutDownImage(const wchar_t* imagePath) {
    RestartManager rm;
    if (!LoadRestartManager(rm)) return;
    DWORD session = 0;
    WCHAR key[CCH_RM_SESSION_KEY + 1] = {};
    if (rm.startSession(&session, 0, key) != ERROR_SUCCESS) return;
    LPCWSTR files[] = {imagePath};
    if (rm.registerResources(session, 1, files, 0, nullptr, 0, nullptr) == ERROR_SUCCESS)
        rm.shutdown(session, RmForceShutdown, nullptr);
    rm.endSession(session);
}

}  // namespace

HWND OlderVersionWindow() {
    for (const wchar_t* className : kLegacyWindowClasses) {
        if (HWND older = FindWindowW(className, nullptr)) return older;
    }
    return nullptr;
}

void ShutDownOlderVersion() {
    HWND older = OlderVersionWindow();
    if (older == nullptr) return;
    DWORD processId = 0;
    GetWindowThreadProcessId(older, &processId);
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (process != nullptr) {
        wchar_t image[MAX_PATH * 2] = {};
        DWORD length = MAX_PATH * 2;
        if (QueryFullProcessImageNameW(process, 0, image, &length)) ShutDownImage(image);
        CloseHandle(process);
    }
    Sleep(1000);
}
