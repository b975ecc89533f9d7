#include <windows.h>

#include "app/main_window_win32.h"
#include "app/older_versions.h"
#include "platform/optional_api.h"

namespace {

// A missing library or function skips the shutdown.
void ShutDownImage(const wchar_t* imagePath) {
    const RestartManagerApi& rm = OptionalRestartManager();
    if (!rm.startSession || !rm.registerResources || !rm.shutdown || !rm.endSession) return;
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
