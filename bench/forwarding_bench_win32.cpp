// Forwarding figures: a second start's round trip (process start to exit) beside the start
// and exit of an empty program, and the running instance's working set after start-up.
// Prints figures only; run by bench/run_forwarding_bench.sh next to Lumistrand.exe.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kRounds = 20;

std::wstring Beside(const wchar_t* name) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    folder.resize(folder.find_last_of(L'\\') + 1);
    return folder + name;
}

bool Start(const std::wstring& exe, const std::wstring& arguments, PROCESS_INFORMATION& process) {
    std::wstring line = L"\"" + exe + L"\"";
    if (!arguments.empty()) line += L" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    return CreateProcessW(exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process) != 0;
}

// Milliseconds from process creation to its exit, or -1 when it failed or took over 60 s.
double RunToExit(const std::wstring& exe, const std::wstring& arguments, DWORD& exitCode) {
    LARGE_INTEGER frequency, begin, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&begin);
    PROCESS_INFORMATION process{};
    if (!Start(exe, arguments, process)) return -1;
    const bool ended = WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0;
    QueryPerformanceCounter(&end);
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return ended ? 1000.0 * static_cast<double>(end.QuadPart - begin.QuadPart) / static_cast<double>(frequency.QuadPart)
                 : -1;
}

void PrintSeries(const char* name, std::vector<double> times) {
    if (times.empty()) {
        std::printf("%-34s no successful run\n", name);
        return;
    }
    std::sort(times.begin(), times.end());
    double sum = 0;
    for (const double t : times) sum += t;
    std::printf("%-34s n=%zu  min %7.1f ms  median %7.1f ms  mean %7.1f ms  max %7.1f ms\n", name, times.size(),
                times.front(), times[times.size() / 2], sum / static_cast<double>(times.size()), times.back());
}

}  // namespace

int wmain() {
    const std::wstring program = Beside(L"Lumistrand.exe");
    const std::wstring empty = Beside(L"bench_empty.exe");

    PROCESS_INFORMATION first{};
    if (!Start(program, L"", first)) {
        std::printf("Lumistrand.exe did not start\n");
        return 1;
    }
    WaitForInputIdle(first.hProcess, 60000);
    Sleep(1000);  // let start-up's late work settle before reading the working set
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof(memory);
    if (GetProcessMemoryInfo(first.hProcess, &memory, sizeof(memory)))
        std::printf("first instance working set after start-up: %lu KiB (peak %lu KiB)\n",
                    static_cast<unsigned long>(memory.WorkingSetSize / 1024),
                    static_cast<unsigned long>(memory.PeakWorkingSetSize / 1024));

    std::vector<double> forwarded, baseline;
    int wrongCodes = 0;
    for (int round = 0; round < kRounds; ++round) {
        DWORD code = 0;
        const double emptyMs = RunToExit(empty, L"", code);
        if (emptyMs >= 0) baseline.push_back(emptyMs);
        // "e" asks for the contrast as exit code, so every round waits for the reply.
        const double forwardMs = RunToExit(program, L"e", code);
        if (forwardMs >= 0) forwarded.push_back(forwardMs);
        if (forwardMs < 0 || code > 100) ++wrongCodes;
    }
    PrintSeries("empty program start to exit", baseline);
    PrintSeries("second start 'e' start to exit", forwarded);
    std::printf("rounds without a plausible reply: %d of %d\n", wrongCodes, kRounds);

    DWORD code = 0;
    RunToExit(program, L"q", code);
    if (WaitForSingleObject(first.hProcess, 20000) != WAIT_OBJECT_0) TerminateProcess(first.hProcess, 1);
    CloseHandle(first.hThread);
    CloseHandle(first.hProcess);
    return 0;
}
