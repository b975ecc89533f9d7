#include "testing/sim/gpu_dll_win32.h"

#include <windows.h>

#include <cstdlib>
#include <filesystem>

#include "testing/sim/sim_environment.h"

namespace {

std::filesystem::path g_logPath;

std::filesystem::path FromEnvironment(const wchar_t* name) {
    const wchar_t* value = _wgetenv(name);
    return value != nullptr ? std::filesystem::path(value) : std::filesystem::path();
}

void LogCall(const SimGpuCall& call) {
    SimAppendLogLine(g_logPath, std::to_string(GetTickCount()) + " " + SimGpuFormatCall(call));
}

}  // namespace

// Loaded at the first call rather than in DllMain, where file access under the loader lock is unsafe.
void GpuDllEnsureLoaded() {
    static bool loaded = false;
    if (loaded) return;
    loaded = true;
    g_logPath = FromEnvironment(L"LUMISTRAND_SIM_LOG");
    std::string error;
    if (!SimGpuLoadFile(FromEnvironment(L"LUMISTRAND_SIM_CONFIG"), error) && !g_logPath.empty()) {
        SimAppendLogLine(g_logPath, "config error: " + error);
    }
    if (!g_logPath.empty()) SimGpuSetCallObserver(LogCall);
}
