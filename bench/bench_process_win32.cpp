#include "bench/bench_process_win32.h"

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <numeric>

#include "testing/wine/e2e_harness_win32.h"

namespace {

constexpr DWORD kRunTimeoutMs = 60000;

}  // namespace

double BenchRunToExitMs(const std::wstring& exePath, const std::wstring& arguments, DWORD& exitCode) {
    LARGE_INTEGER frequency, begin, end;
    QueryPerformanceFrequency(&frequency);
    ProgramProcess process;
    QueryPerformanceCounter(&begin);
    if (!ProgramStart(exePath, arguments, {}, process)) return -1;
    const bool ended = ProgramWaitForExit(process, kRunTimeoutMs, exitCode);
    QueryPerformanceCounter(&end);
    if (!ended) return -1;
    return 1000.0 * static_cast<double>(end.QuadPart - begin.QuadPart) / static_cast<double>(frequency.QuadPart);
}

bool BenchSeriesSummarise(std::vector<double> times, BenchSeries& series) {
    if (times.empty()) return false;
    std::sort(times.begin(), times.end());
    series.count = times.size();
    series.min = times.front();
    series.median = times[times.size() / 2];
    series.mean = std::accumulate(times.begin(), times.end(), 0.0) / static_cast<double>(times.size());
    series.max = times.back();
    return true;
}

void BenchSeriesPrint(const char* name, const std::vector<double>& values, const char* unit) {
    BenchSeries series;
    if (!BenchSeriesSummarise(values, series)) {
        std::printf("%-46s no successful run\n", name);
        return;
    }
    std::printf("%-46s n=%-3zu min %7.2f  median %7.2f  max %7.2f %s\n", name, series.count, series.min, series.median,
                series.max, unit);
}

size_t BenchWorkingSetKiB(HANDLE process) {
    // Start-up's late work (timers, the first pass's tail) settles first.
    if (WaitForInputIdle(process, kRunTimeoutMs) != 0) return 0;
    Sleep(1000);
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof(memory);
    return GetProcessMemoryInfo(process, &memory, sizeof(memory)) ? memory.WorkingSetSize / 1024 : 0;
}
