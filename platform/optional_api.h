// Every function the program calls through a pointer: those the system may lack (Windows 8's
// RegisterSuspendResumeNotification, xmllite.dll that mingw-w64 cannot import) and those of DLLs
// only some work needs, which thus costs no start that does not do it (a second start that
// forwards a line loads none of them). Each group loads on its first use and never again; a
// missing DLL or function leaves its pointer null, and callers test it. Later features add
// their DLL here instead of linking it (urlmon for the update check, RICHED20.DLL for the help
// and update windows).
#pragma once
#include <windows.h>
#include <commctrl.h>
#include <restartmanager.h>

#include "platform/gpu_api.h"

struct IMalloc;

// rstrtmgr.dll: only when an older version is to be ended.
struct RestartManagerApi {
    DWORD(WINAPI* startSession)(DWORD* session, DWORD flags, WCHAR* key) = nullptr;
    DWORD(WINAPI* registerResources)(DWORD session, UINT fileCount, LPCWSTR* files, UINT processCount,
                                     RM_UNIQUE_PROCESS* processes, UINT serviceCount, LPCWSTR* services) = nullptr;
    DWORD(WINAPI* shutdown)(DWORD session, ULONG flags, RM_WRITE_STATUS_CALLBACK status) = nullptr;
    DWORD(WINAPI* endSession)(DWORD session) = nullptr;
};
const RestartManagerApi& OptionalRestartManager();

// xmllite.dll: the settings file.
struct XmlLiteApi {
    HRESULT(WINAPI* createReader)(REFIID iid, void** reader, IMalloc* malloc) = nullptr;
    HRESULT(WINAPI* createWriter)(REFIID iid, void** writer, IMalloc* malloc) = nullptr;
};
const XmlLiteApi& OptionalXmlLite();

// user32.dll, Windows 8 and later.
using RegisterSuspendResumeNotificationFn = HPOWERNOTIFY(WINAPI*)(HANDLE recipient, DWORD flags);
RegisterSuspendResumeNotificationFn OptionalRegisterSuspendResumeNotification();

// uxtheme.dll: the monitor list's look, which only a first instance shows.
using SetWindowThemeFn = HRESULT(WINAPI*)(HWND window, LPCWSTR subAppName, LPCWSTR subIdList);
SetWindowThemeFn OptionalSetWindowTheme();

// comctl32.dll (version 6 through the manifest): a first instance's controls.
using InitCommonControlsExFn = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX* classes);
InitCommonControlsExFn OptionalInitCommonControlsEx();

// wtsapi32.dll: a first instance's session notifications.
using WTSRegisterSessionNotificationFn = BOOL(WINAPI*)(HWND window, DWORD flags);
WTSRegisterSessionNotificationFn OptionalWTSRegisterSessionNotification();

// riched20.dll: RichEdit 2.0 for the help and information windows, loaded when the first of
// them opens. False when the DLL is missing.
bool OptionalLoadRichEdit();

// nvapi.dll, present with NVIDIA's driver: every entry comes by interface id through its one
// export nvapi_QueryInterface, asked for in the order of kNvapiInterfaceIds. Stays loaded.
struct NvapiApi {
    NvInitializeFn initialize = nullptr;
    NvGetDvcInfoExFn getDvcInfoEx = nullptr;
    NvSetDvcLevelExFn setDvcLevelEx = nullptr;
    NvEnumDisplayHandleFn enumDisplayHandle = nullptr;
    NvGetAssociatedDisplayHandleFn getAssociatedDisplayHandle = nullptr;
    NvGetDisplayDriverVersionFn getDisplayDriverVersion = nullptr;
};
const NvapiApi& OptionalNvapi();

// atiadlxx.dll, or atiadlxy.dll where only that one is installed: AMD's driver library.
struct AdlApi {
    AdlMainControlCreateFn create = nullptr;
    AdlMainControlDestroyFn destroy = nullptr;
    AdlAdapterCountFn adapterCount = nullptr;
    AdlAdapterInfoFn adapterInfo = nullptr;
    AdlDisplayInfoFn displayInfo = nullptr;
    AdlColourCapsFn colourCaps = nullptr;
    AdlColourGetFn colourGet = nullptr;
    AdlColourSetFn colourSet = nullptr;
};
const AdlApi& OptionalAdl();
// Frees the AMD library at exit; OptionalAdl() answers with null pointers afterwards.
void OptionalAdlFree();
