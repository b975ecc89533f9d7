// Soak of second starts under Wine: a first instance with logging on against the simulated
// dxva2.dll, 10 % of whose calls fail, takes 500 second starts of lines from a small table.
// Prints: processes that crashed or hung, whether an instance still runs (it restarts itself when
// failed listings make the monitor set look changed), second starts that logged fewer errors
// than calls on a monitor failed, whether the settings pair saved at the end loads back equal (a
// fresh start saves the same bytes), and the running instance's working set at the start and
// the end. Run by bench/run_soak.sh.
//   soak_wine_bench [second starts]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/bench_process_win32.h"
#include "bench/utf16_count.h"
#include "tests/e2e/e2e_helpers.h"

namespace {

constexpr DWORD kStartUpMs = 60000;
const wchar_t* const kLines[] = {L"b {}", L"c {}", L"b+5", L"c-5", L"d", L"e", L"2 b {}", L"get_vcp 0x10",
                                 L"setvcp 0x10 {}", L"o {}", L"p 6500k", L"2 c {} d"};

std::wstring LineForRound(int round) {
    std::wstring line = kLines[round % std::size(kLines)];
    const std::size_t at = line.find(L"{}");
    if (at != std::wstring::npos) line.replace(at, 2, std::to_wstring((round * 37) % 101));
    return line;
}

// Failed calls on a physical monitor among the simulator's log lines from `from` on.
std::size_t FailedMonitorCalls(const std::vector<std::string>& lines, std::size_t from) {
    std::size_t count = 0;
    for (std::size_t i = from; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.size() >= 5 && line.compare(line.size() - 5, 5, " fail") == 0 && line.find(" monitor=-1 ") == std::string::npos)
            ++count;
    }
    return count;
}

// When the running instance has ended (a restart is its answer to a changed monitor set), its
// successor becomes the one followed. False when none takes its place within 30 s.
bool FollowRunningInstance(ProgramProcess& running, int& restarts, int& crashed) {
    DWORD code = 0;
    if (!ProgramWaitForExit(running, 0, code)) return true;
    if (code >= 0xC0000000) ++crashed;
    for (int wait = 0; wait < 300; ++wait) {
        DWORD processId = 0;
        if (HWND window = FindWindowW(L"Lumistrand class 7.2", nullptr)) GetWindowThreadProcessId(window, &processId);
        ProgramProcess successor;
        successor.process = processId != 0 ? OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ | SYNCHRONIZE |
                                                             PROCESS_TERMINATE, FALSE, processId)
                                           : nullptr;
        successor.processId = processId;
        if (successor.process != nullptr) {
            running = std::move(successor);
            ++restarts;
            return WaitForInputIdle(running.process, kStartUpMs) == 0;
        }
        Sleep(100);
    }
    return false;
}

std::string SettingsWithLog(const std::wstring& logPath) {
    std::string settings = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<settings Lumistrand=\"7.2\">\r\n"
                           "  <set logfileflag=\"Y\"></set>\r\n  <set logfile=\"";
    for (const wchar_t c : logPath) settings += static_cast<char>(c);
    return settings + "\"></set>\r\n</settings>\n";
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int starts = argc > 1 ? _wtoi(argv[1]) : 500;
    E2eRemoveProgramFiles();
    E2eSandbox sandbox;
    if (!E2eSandboxCreate(sandbox) || !SimConfigWrite(sandbox, std::string(kFastDefaultMonitors) + "failrate 0.1 7\n"))
        return 1;
    const std::wstring logPath = sandbox.folder + L"\\events.txt";
    const std::wstring settingsPath = ProgramPathBesideTests(L"Lumistrand.xml");
    FileWriteBytes(settingsPath, SettingsWithLog(logPath));
    const std::vector<EnvironmentSetting> environment = E2eSandboxEnvironment(sandbox);

    ProgramProcess first;
    HWND panel = nullptr;
    if (!StartFirstInstance(sandbox, first) || (panel = ProgramWaitForMainWindow(first, kStartUpMs)) == nullptr) {
        std::printf("Lumistrand.exe did not start\n");
        return 1;
    }
    ShowWindow(panel, SW_HIDE);
    const size_t workingSetAtStart = BenchWorkingSetKiB(first.process);

    int crashed = 0, unlogged = 0, restarts = 0;
    bool running = true;
    std::size_t failedCalls = 0, logOffset = FileBytes(logPath).size();
    std::size_t simLines = SimLogReadLines(sandbox.simLog).size();
    for (int round = 0; round < starts && running; ++round) {
        DWORD code = 0;
        // An exit code from 0xC0000000 on is an exception's; a start that does not end is hung.
        if (!ProgramRunToExit(LineForRound(round), environment, 30000, code) || code >= 0xC0000000) ++crashed;
        SimLogWaitQuiet(sandbox.simLog, 150);
        const std::vector<std::string> lines = SimLogReadLines(sandbox.simLog);
        const std::string logged = FileBytes(logPath).substr(logOffset);
        logOffset += logged.size();
        const std::size_t failed = FailedMonitorCalls(lines, simLines);
        simLines = lines.size();
        if (Utf16Occurrences(logged, L" ERROR ") - Utf16Occurrences(logged, L"FromHMONITOR ERROR") < failed) ++unlogged;
        failedCalls += failed;
        running = FollowRunningInstance(first, restarts, crashed);
    }
    // A restart the last lines asked for comes after its 5 s delay.
    Sleep(6000);
    running = running && FollowRunningInstance(first, restarts, crashed);
    const size_t workingSetAtEnd = running ? BenchWorkingSetKiB(first.process) : 0;

    // The pair saved at the end, loaded by a fresh first instance and saved again at its start
    // and end, must come back byte for byte. It finds the monitors as they were left, but
    // without failures, which would change what it reads.
    QuitFirstInstance(sandbox, first);
    const std::string saved = FileBytes(settingsPath);
    std::string monitors;
    for (const std::string& line : TextLines(FileBytes(sandbox.simState)))
        if (line.rfind("failrate", 0) != 0) monitors += line + "\n";
    E2eSandbox quiet;
    ProgramProcess fresh;
    const bool reloaded = E2eSandboxCreate(quiet) && SimConfigWrite(quiet, monitors) &&
                          StartFirstInstance(quiet, fresh) && QuitFirstInstance(quiet, fresh);
    const bool pairEqual = reloaded && !saved.empty() && FileBytes(settingsPath) == saved &&
                           FileBytes(RoamingProgramFolder() + L"\\Lumistrand.xml") == saved;
    E2eRemoveProgramFiles();

    std::printf("second starts: %d against 10 %% failing DDC calls; monitor calls that failed: %zu\n", starts,
                failedCalls);
    std::printf("processes that crashed or hung: %d, an instance still runs: %s, restarts: %d (goal 0, yes)\n",
                crashed, running ? "yes" : "no", restarts);
    std::printf("second starts that logged fewer errors than calls on a monitor failed: %d (goal 0)\n", unlogged);
    std::printf("settings pair saved at the end loads back equal: %s (goal yes)\n", pairEqual ? "yes" : "no");
    std::printf("running instance's working set: %.1f MiB at the start, %.1f MiB at the end\n",
                static_cast<double>(workingSetAtStart) / 1024, static_cast<double>(workingSetAtEnd) / 1024);
    return 0;
}
