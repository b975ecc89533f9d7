// Helpers shared by the end-to-end tests: the simulator's calls in a comparable short form,
// whole files as bytes, and waiting until a running program has finished its monitor work.
#pragma once
#include <windows.h>

#include <cstdio>
#include <functional>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "testing/file_text.h"
#include "testing/wine/e2e_harness_win32.h"

// The built-in monitors with near-zero latencies: the tests pay for the program's own
// pauses, not for the bus. The first also answers picture presets (0xDC) that its string
// leaves out, as real monitors answer unlisted codes.
inline const char kFastDefaultMonitors[] = R"(latency reply 1
latency write 1
latency caps 1
latency enumerate 0
display \\.\DISPLAY1 0 0 1920 1080
monitor Generic PnP Monitor
capabilities (prot(monitor)type(LCD)model(RTK)cmds(01 02 03 07 0C E3 F3)vcp(02 04 05 06 08 0B 0C 0E 10 12 14(01 05 06 08 0B) 16 18 1A 1E 1F 20 30 3E 52 60(01) AC AE B2 B6 C6 C8 CA CC(02 03 04 05 06 09 0A 0D) D6(01 04 05) DF FD FF)mswhql(1)asset_eep(40)mccs_ver(2.2))
vcp 02 1 2
vcp 04 0 1
vcp 10 75 100
vcp 12 50 100
vcp 14 05 0x0B
vcp 16 50 100
vcp 18 50 100
vcp 1A 50 100
vcp 60 01 0x03
vcp 62 30 100
vcp C0 1234 65535 ro
vcp D6 1 5
vcp DC 00 0x0A
display \\.\DISPLAY2 1920 0 5760 2160
monitor BenQ PD3220U
capabilities (prot(monitor)type(lcd)model(PD3220U)cmds(01 02 03 07)vcp(10 12 14(04 05 06) 60(11 12 0F))mccs_ver(2.2))
vcp 04 0 1
vcp 10 60 100
vcp 12 50 100
vcp 14 05 0x0B
vcp 60 0x0F 0x12
vcp D6 1 5
)";

// The value calls of the simulator log from line number `from` on, as
// "Operation m<monitor> [code] [=value] [fail]": the value for writes only (reads ask with 0),
// the listing of displays and their monitors, which every pass does, left out.
inline std::vector<std::string> SimValueCalls(const std::wstring& log, size_t from = 0) {
    std::vector<std::string> calls;
    const std::vector<std::string> lines = SimLogReadLines(log);
    for (size_t i = from; i < lines.size(); ++i) {
        char operation[64] = {}, code[16] = {}, result[8] = {};
        unsigned long tick = 0;
        int display = 0, monitor = 0;
        long in = 0, minimum = 0, current = 0, maximum = 0;
        if (lines[i].empty() || lines[i].find("PhysicalMonitors") != std::string::npos) continue;
        if (std::sscanf(lines[i].c_str(), "%lu %63s display=%d monitor=%d code=%15s in=%ld min=%ld cur=%ld max=%ld %7s", &tick,
                        operation, &display, &monitor, code, &in, &minimum, &current, &maximum, result) != 10) {
            calls.push_back("unreadable: " + lines[i]);
            continue;
        }
        std::string call = std::string(operation) + " m" + std::to_string(monitor);
        if (std::string(code) != "-") call += std::string(" ") + code;
        if (call.rfind("Set", 0) == 0) call += "=" + std::to_string(in);
        if (std::string(result) != "ok") call += " fail";
        calls.push_back(call);
    }
    return calls;
}

// Waits until the log has not grown for quietMs (the program finished the work a line or a
// timer started), at most 30 s.
inline void SimLogWaitQuiet(const std::wstring& log, DWORD quietMs = 400) {
    const DWORD start = GetTickCount();
    size_t count = SimLogReadLines(log).size();
    for (DWORD stableSince = start; GetTickCount() - start < 30000 && GetTickCount() - stableSince < quietMs;) {
        Sleep(50);
        const size_t now = SimLogReadLines(log).size();
        if (now != count) stableSince = GetTickCount();
        count = now;
    }
}

inline bool FileWriteBytes(const std::wstring& path, const std::string& bytes) {
    std::ofstream file(path.c_str(), std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

using Keys = std::vector<std::pair<std::string, std::string>>;

// A settings file holding these keys, as the program writes them.
inline std::string SettingsText(const Keys& keys) {
    std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<settings Lumistrand=\"7.2\">\r\n";
    for (const auto& [key, value] : keys) text += "  <set " + key + "=\"" + value + "\"></set>\r\n";
    return text + "</settings>\n";
}

inline std::string Narrowed(const std::wstring& text) { return std::string(text.begin(), text.end()); }

inline std::wstring RoamingProgramFolder() {
    wchar_t roaming[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableW(L"APPDATA", roaming, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::wstring(roaming) + L"\\Lumistrand" : std::wstring();
}

// A clean start: a new sandbox with the fast simulated monitors and these settings beside the exe.
inline bool E2ePrepare(E2eSandbox& sandbox, const Keys& settings) {
    E2eRemoveProgramFiles();
    return E2eSandboxCreate(sandbox) && SimConfigWrite(sandbox, kFastDefaultMonitors) &&
           FileWriteBytes(ProgramPathBesideTests(L"Lumistrand.xml"), SettingsText(settings));
}

// A first instance started from a clean state (no settings files of earlier tests) against the
// sandbox's simulator, waited for until its start-up has ended and its monitor work is done.
inline bool StartFirstInstance(const E2eSandbox& sandbox, ProgramProcess& first) {
    if (!ProgramStartLumistrand(L"", E2eSandboxEnvironment(sandbox), first)) return false;
    if (ProgramWaitForMainWindow(first, 30000) == nullptr) return false;
    if (WaitForInputIdle(first.process, 30000) != 0) return false;
    SimLogWaitQuiet(sandbox.simLog);
    return true;
}

// A second start of a line against the running instance, and the monitor calls it caused,
// including those of work it left to timers (the log stayed quiet for quietMs after its end).
struct SecondStartResult {
    bool ended = false;
    DWORD exitCode = 0xFFFFFFFF;
    DWORD elapsedMs = 0;
    std::vector<std::string> calls;
};

inline SecondStartResult SecondStartWithCalls(const E2eSandbox& sandbox, const std::wstring& line, DWORD quietMs = 400) {
    SecondStartResult result;
    const size_t before = SimLogReadLines(sandbox.simLog).size();
    const DWORD start = GetTickCount();
    result.ended = ProgramRunToExit(line, E2eSandboxEnvironment(sandbox), 30000, result.exitCode);
    result.elapsedMs = GetTickCount() - start;
    SimLogWaitQuiet(sandbox.simLog, quietMs);
    result.calls = SimValueCalls(sandbox.simLog, before);
    return result;
}

// The main window of a process other than the one that owned previous (null: none), once that
// process is ready; next owns it.
inline HWND WaitForSuccessor(HWND previous, ProgramProcess& next) {
    DWORD before = 0, now = 0;
    GetWindowThreadProcessId(previous, &before);
    for (int wait = 0; wait < 300; ++wait, Sleep(100)) {
        HWND window = FindWindowW(L"Lumistrand class 7.2", nullptr);
        if (window == nullptr || GetWindowThreadProcessId(window, &now) == 0 || now == before) continue;
        next.processId = now;
        next.process = OpenProcess(PROCESS_ALL_ACCESS, FALSE, now);
        return next.process != nullptr && WaitForInputIdle(next.process, 30000) == 0 ? window : nullptr;
    }
    return nullptr;
}

// Asks the running instance to quit and waits for its end (the exit path saves the settings).
inline bool QuitFirstInstance(const E2eSandbox& sandbox, ProgramProcess& first) {
    DWORD code = 0;
    return ProgramRunToExit(L"q", E2eSandboxEnvironment(sandbox), 30000, code) && ProgramWaitForExit(first, 20000, code);
}

struct E2eWindowSearch {
    DWORD processId;
    const std::function<bool(HWND)>& match;
    std::vector<HWND> found;
};

inline BOOL CALLBACK E2eMatchWindow(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<E2eWindowSearch*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search.processId && search.match(window)) search.found.push_back(window);
    return TRUE;
}

// The program's top-level windows that match.
inline std::vector<HWND> ProgramWindows(const ProgramProcess& program, const std::function<bool(HWND)>& match) {
    E2eWindowSearch search{program.processId, match, {}};
    EnumWindows(E2eMatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}
