// A second start needs none of a first instance's preparation, and it must not wait in the
// midnight guard: that guard keeps the first instance's timed lines off the 00:00 minute, and a
// forwarded line runs by the running instance's clock. Whenever anything is unclear (no mutex,
// no window, an older version still to be ended) the whole start-up runs and decides again.
#include <windows.h>
#include <objbase.h>

#include "app/main_window_win32.h"
#include "commands/normalise.h"
#include "settings/settings.h"
#include "settings/settings_startup.h"
#include "settings/settings_store.h"

namespace {

bool InstanceMutexExists() {
    HANDLE mutex = OpenMutexW(SYNCHRONIZE, FALSE, kInstanceMutexName);
    if (mutex == nullptr) return false;
    CloseHandle(mutex);
    return true;
}

// An empty second start shows the running instance's panel unless the settings say otherwise.
bool MinimizeFlagFromSettings() {
    EnterProgramFolder();
    SettingsApplyBuiltInDefaults();
    SettingsLoad();
    return g_settings.minimizeflag;
}

}  // namespace

bool ForwardToRunningInstance(const wchar_t* commandLine, int& exitCode) {
    if (OlderVersionWindow() != nullptr || !InstanceMutexExists()) return false;
    if (FindWindowW(kMainWindowClass, nullptr) == nullptr) return false;
    const std::wstring_view line = commandLine != nullptr ? commandLine : L"";
    // The shell escape opens its batch file through the shell, which expects COM. Only then:
    // COM's window would attach the display driver, which costs a forwarded line half its time.
    if (IsShellEscape(line)) CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const bool empty = line.empty();
    exitCode = RunSecondInstance(commandLine, empty && MinimizeFlagFromSettings());
    return true;
}
