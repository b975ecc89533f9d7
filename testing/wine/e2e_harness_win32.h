// End-to-end test helpers: start Lumistrand.exe (built next to the test exe and the
// simulated dxva2.dll), find its main window, wait for its exit code, read the simulator's
// transaction log. Each test gets its own sandbox folder for the simulator's files.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

struct EnvironmentSetting {
    std::wstring name;
    std::wstring value;
};

// A started process. Ends the process on destruction when it still runs, so a failing
// test never leaves an instance behind that holds the single-instance mutex.
struct ProgramProcess {
    HANDLE process = nullptr;
    DWORD processId = 0;

    ProgramProcess() = default;
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;
    ProgramProcess(ProgramProcess&& other) noexcept;
    ProgramProcess& operator=(ProgramProcess&& other) noexcept;
    ~ProgramProcess();
};

// Full path of fileName in the folder of the running test exe.
std::wstring ProgramPathBesideTests(const wchar_t* fileName);

// Starts exePath with arguments; environment entries replace or add to the inherited ones.
bool ProgramStart(const std::wstring& exePath, const std::wstring& arguments,
                  const std::vector<EnvironmentSetting>& environment, ProgramProcess& started);
bool ProgramStartLumistrand(const std::wstring& arguments, const std::vector<EnvironmentSetting>& environment,
                            ProgramProcess& started);

// The process's top-level window of that class, or null after timeoutMs or once the process has ended.
HWND ProgramWaitForWindow(const ProgramProcess& program, const wchar_t* className, DWORD timeoutMs);
HWND ProgramWaitForMainWindow(const ProgramProcess& program, DWORD timeoutMs);

// True when the process ended within timeoutMs; exitCode is untouched otherwise.
bool ProgramWaitForExit(const ProgramProcess& program, DWORD timeoutMs, DWORD& exitCode);

// Ends the process at once (no clean-up of its own) and releases the handle.
void ProgramKill(ProgramProcess& program);

// Starts Lumistrand.exe and waits for its exit, as a second start does: true when it ended in time.
bool ProgramRunToExit(const std::wstring& arguments, const std::vector<EnvironmentSetting>& environment,
                      DWORD timeoutMs, DWORD& exitCode);

// A fresh folder under %TEMP% with the paths of the simulator's configuration, log and state.
struct E2eSandbox {
    std::wstring folder;
    std::wstring simConfig;
    std::wstring simLog;
    std::wstring simState;
};

bool E2eSandboxCreate(E2eSandbox& sandbox);
// LUMISTRAND_SIM_LOG and LUMISTRAND_SIM_STATE, plus LUMISTRAND_SIM_CONFIG once a configuration was written.
std::vector<EnvironmentSetting> E2eSandboxEnvironment(const E2eSandbox& sandbox);
bool SimConfigWrite(const E2eSandbox& sandbox, const std::string& text);

// Deletes what earlier runs of the program left behind: its settings beside the exe and in the
// roaming profile, the event log at its default place, the hidden-restart marker and run.bat.
void E2eRemoveProgramFiles();

// The lines of a text without their line ends ("\n" or "\r\n").
std::vector<std::string> TextLines(const std::string& text);
// Lines of a text file without their line ends; empty when the file does not exist.
std::vector<std::string> SimLogReadLines(const std::wstring& path);
