#include "bench/bench_process_win32.h"

#include <algorithm>
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
