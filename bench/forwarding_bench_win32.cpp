// Forwarding figures: a second start's round trip (process start to exit) beside the start
// and exit of an empty program, and the running instance's working set after start-up.
// Prints figures only; run by bench/run_forwarding_bench.sh next to Lumistrand.exe.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench/bench_process_win32.h"
#include "testing/wine/e2e_harness_win32.h"

namespace {

constexpr int kRounds = 20;
constexpr DWORD kStartUpMs = 60000;

void PrintSeries(const char* name, const std::vector<double>& times) {
    BenchSeries series;
    if (!BenchSeriesSummarise(times, series)) {
        std::printf("%-34s no successful run\n", name);
        return;
    }
    std::printf("%-34s n=%zu  min %7.1f ms  median %7.1f ms  mean %7.1f ms  max %7.1f ms\n", name, series.count,
                series.min, series.median, series.mean, series.max);
}

}  // namespace

int wmain() {
    const std::wstring program = ProgramPathBesideTests(L"Lumistrand.exe");
    const std::wstring empty = ProgramPathBesideTests(L"bench_empty.exe");

    // Idle, not merely its window: the window exists before start-up's work is done,
    // and a reply that waits for that work would count in the first round.
    ProgramProcess first;
    if (!ProgramStart(program, L"", {}, first) || WaitForInputIdle(first.process, kStartUpMs) != 0) {
        std::printf("Lumistrand.exe did not start\n");
        return 1;
    }
    Sleep(1000);  // let start-up's late work settle before reading the working set
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof(memory);
    if (GetProcessMemoryInfo(first.process, &memory, sizeof(memory)))
        std::printf("first instance working set after start-up: %lu KiB (peak %lu KiB)\n",
                    static_cast<unsigned long>(memory.WorkingSetSize / 1024),
                    static_cast<unsigned long>(memory.PeakWorkingSetSize / 1024));

    std::vector<double> forwarded, baseline;
    int wrongCodes = 0;
    for (int round = 0; round < kRounds; ++round) {
        DWORD code = 0;
        const double emptyMs = BenchRunToExitMs(empty, L"", code);
        if (emptyMs >= 0) baseline.push_back(emptyMs);
        // "e" asks for the contrast as exit code, so every round waits for the reply.
        const double forwardMs = BenchRunToExitMs(program, L"e", code);
        if (forwardMs >= 0) forwarded.push_back(forwardMs);
        if (forwardMs < 0 || code > 100) ++wrongCodes;
    }
    PrintSeries("empty program start to exit", baseline);
    PrintSeries("second start 'e' start to exit", forwarded);
    std::printf("rounds without a plausible reply: %d of %d\n", wrongCodes, kRounds);

    DWORD code = 0;
    BenchRunToExitMs(program, L"q", code);
    ProgramWaitForExit(first, 20000, code);
    return 0;
}
