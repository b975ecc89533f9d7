// The Windows side of the application core: the main window, start-up, forwarding, restart.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

inline constexpr wchar_t kMainWindowClass[] = L"Lumistrand class 7.2";
inline constexpr wchar_t kInstanceMutexName[] = L"AllowOnlyOneLumistrand";

// The power settings the main window registers for.
extern const GUID kPowerSourceChange, kPowerSavingChange, kMonitorPowerOn;

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Registers "Lumistrand class 7.2" and creates dialog 101 as the hidden main window; null
// when the class, the dialog or its monitor list is missing. Attaches it to the main-window seam.
HWND CreateMainWindow(HINSTANCE instance);
HACCEL MainAccelerators();

// The whole life of the process; returns its exit code.
int LumistrandMain(HINSTANCE instance, const wchar_t* commandLine);

// The running instance's window took the line: waits for its reply thread message, at most
// 100 tries 200 ms apart. Returns the exit code it carried, 0 when none came.
int WaitForForwardingReply();
// Forwards the line (or asks the running instance to show its control panel) and returns
// the exit code for this second process.
int RunSecondInstance(const wchar_t* commandLine, bool minimizeFlag);

// Shuts down at most one running older version through the Restart Manager.
void ShutDownOlderVersion();
// The first window of an older version's class, in the order they are looked for; null when none runs.
HWND OlderVersionWindow();

// Makes the executable's folder the current directory and sets the program-folder settings path.
void EnterProgramFolder();
// A second start with an instance of this version running and no older version to end: the
// line (or the show request) goes there before any of a first instance's preparation, and
// exitCode is this process's. False when the whole start-up has to run.
bool ForwardToRunningInstance(const wchar_t* commandLine, int& exitCode);

void ShowControlPanel();
void HideControlPanel();
// The single-instance mutex lives until the main window goes, so a successor never sees it.
void KeepInstanceMutex(HANDLE mutex);
void CloseInstanceMutex();
// Asks the hook thread to end and waits for it, at most 100 × 50 ms.
void StopHookThread();
// Starts a new copy with an empty command line: up to 20 tries 100 ms apart, each logged.
bool StartSuccessor();
