// Round trip of a second start running "b + 10" against a running instance and the simulated
// monitors (their default latencies): process start to exit, beside the least the bus needs for
// that line, one brightness write. Prints figures only; run by bench/run_roundtrip_bench.sh.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench/bench_process_win32.h"
#include "testing/wine/e2e_harness_win32.h"

namespace {

constexpr int kRounds = 20;
constexpr double kOneWriteMs = 50.0;  // the simulator's default write latency
constexpr DWORD kStartBrightness = 50;
constexpr DWORD kStartUpMs = 60000;

}  // namespace

int wmain() {
    const std::wstring program = ProgramPathBesideTests(L"Lumistrand.exe");
    // Idle, not merely its window: the window exists before start-up's work is done,
    // and a reply that waits for that work would count in the first round.
    ProgramProcess first;
    if (!ProgramStart(program, L"", {}, first) || WaitForInputIdle(first.process, kStartUpMs) != 0) {
        std::printf("Lumistrand.exe did not start\n");
        return 1;
    }

    std::vector<double> times;
    int failures = 0;
    for (int round = 0; round < kRounds; ++round) {
        DWORD code = 0;
        // Untimed: every timed line starts from the same brightness, so it always writes.
        BenchRunToExitMs(program, L"b " + std::to_wstring(kStartBrightness), code);
        const double ms = BenchRunToExitMs(program, L"b + 10", code);
        if (ms < 0 || code != 0) {
            ++failures;
            continue;
        }
        times.push_back(ms);
    }
    // The last round must have left its value in the monitor.
    DWORD brightness = 0;
    BenchRunToExitMs(program, L"d", brightness);
    if (brightness != kStartBrightness + 10) ++failures;
    DWORD code = 0;
    BenchRunToExitMs(program, L"q", code);
    ProgramWaitForExit(first, 20000, code);

    BenchSeries series;
    if (!BenchSeriesSummarise(times, series)) {
        std::printf("no successful round\n");
        return 1;
    }
    std::printf("second start 'b + 10', start to exit, n=%zu: min %.1f ms  median %.1f ms  max %.1f ms\n", series.count,
                series.min, series.median, series.max);
    std::printf("DDC/CI minimum of that line (one write): %.1f ms\n", kOneWriteMs);
    std::printf("beyond the write: min %.1f ms  median %.1f ms  max %.1f ms\n", series.min - kOneWriteMs,
                series.median - kOneWriteMs, series.max - kOneWriteMs);
    std::printf("rounds that failed or wrote nothing plausible: %d of %d\n", failures, kRounds);
    return failures == 0 ? 0 : 1;
}
