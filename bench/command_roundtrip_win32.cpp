// Round trip of a second start running "b + 10" against a running instance and the simulated
// monitors (their default latencies): process start to exit, beside the least the bus needs for
// that line, one brightness write. Prints figures only; run by bench/run_roundtrip_bench.sh.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kRounds = 20;
constexpr double kOneWriteMs = 50.0;  // the simulator's default write latency
constexpr DWORD kStartBrightness = 50;

std::wstring Beside(const wchar_t* name) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    folder.resize(folder.find_last_of(L'\\') + 1);
    return folder + name;
}

bool Start(const std::wstring& arguments, PROCESS_INFORMATION& process) {
    const std::wstring exe = Beside(L"Lumistrand.exe");
    std::wstring line = L"\"" + exe + L"\"";
    if (!arguments.empty()) line += L" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    return CreateProcessW(exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process) != 0;
}

// Milliseconds from process creation to its exit, or -1 when it failed or took over 60 s.
double RunToExit(const std::wstring& arguments, DWORD& exitCode) {
    LARGE_INTEGER frequency, begin, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&begin);
    PROCESS_INFORMATION process{};
    if (!Start(arguments, process)) return -1;
    const bool ended = WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0;
    QueryPerformanceCounter(&end);
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return ended ? 1000.0 * static_cast<double>(end.QuadPart - begin.QuadPart) / static_cast<double>(frequency.QuadPart)
                 : -1;
}

}  // namespace

int wmain() {
    PROCESS_INFORMATION first{};
    if (!Start(L"", first)) {
        std::printf("Lumistrand.exe did not start\n");
        return 1;
    }
    WaitForInputIdle(first.hProcess, 60000);

    std::vector<double> times;
    int failures = 0;
    for (int round = 0; round < kRounds; ++round) {
        DWORD code = 0;
        // Untimed: every timed line starts from the same brightness, so it always writes.
        RunToExit(L"b " + std::to_wstring(kStartBrightness), code);
        const double ms = RunToExit(L"b + 10", code);
        if (ms < 0 || code != 0) {
            ++failures;
            continue;
        }
        times.push_back(ms);
    }
    // The last round must have left its value in the monitor.
    DWORD brightness = 0;
    RunToExit(L"d", brightness);
    if (brightness != kStartBrightness + 10) ++failures;
    DWORD code = 0;
    RunToExit(L"q", code);
    if (WaitForSingleObject(first.hProcess, 20000) != WAIT_OBJECT_0) TerminateProcess(first.hProcess, 1);
    CloseHandle(first.hThread);
    CloseHandle(first.hProcess);

    if (times.empty()) {
        std::printf("no successful round\n");
        return 1;
    }
    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2];
    std::printf("second start 'b + 10', start to exit, n=%zu: min %.1f ms  median %.1f ms  max %.1f ms\n", times.size(),
                times.front(), median, times.back());
    std::printf("DDC/CI minimum of that line (one write): %.1f ms\n", kOneWriteMs);
    std::printf("beyond the write: min %.1f ms  median %.1f ms  max %.1f ms\n", times.front() - kOneWriteMs,
                median - kOneWriteMs, times.back() - kOneWriteMs);
    std::printf("rounds that failed or wrote nothing plausible: %d of %d\n", failures, kRounds);
    return failures == 0 ? 0 : 1;
}
