// What a second start costs beside what it must cost, in one run under Wine against the simulated
// monitors with their default latencies: an empty program's start to exit; a second start running
// "e" (a value the running instance already holds: no bus traffic); a second start running "b N"
// (one brightness write of 50 ms, then the setter's 30 ms pacing). Per round, each start's time
// beyond the empty program's, for "b N" as a multiple of the 80 ms the bus needs, and beside it
// what the window system alone costs (a program that only looks for a window). Then the first
// instance's working set beside an empty program showing one window, and the exe's size.
// Prints figures only; run by bench/run_roundtrip_bench.sh.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench/bench_process_win32.h"
#include "testing/wine/e2e_harness_win32.h"

namespace {

constexpr int kRounds = 20;
constexpr double kBusMs = 50.0 + 30.0;
constexpr DWORD kStartUpMs = 60000;

double KiBAsMiB(size_t kib) { return static_cast<double>(kib) / 1024.0; }

}  // namespace

int wmain() {
    const std::wstring program = ProgramPathBesideTests(L"Lumistrand.exe");
    const std::wstring empty = ProgramPathBesideTests(L"bench_empty.exe");
    const std::wstring lookup = ProgramPathBesideTests(L"bench_window_lookup.exe");

    ProgramProcess first;
    HWND panel = nullptr;
    if (!ProgramStart(program, L"", {}, first) || WaitForInputIdle(first.process, kStartUpMs) != 0 ||
        (panel = ProgramWaitForMainWindow(first, kStartUpMs)) == nullptr) {
        std::printf("Lumistrand.exe did not start\n");
        return 1;
    }
    // It runs in the tray as it usually does; with the panel hidden the setter paces its writes.
    ShowWindow(panel, SW_HIDE);
    const size_t programKiB = BenchWorkingSetKiB(first.process);
    ProgramProcess window;
    size_t windowKiB = 0;
    if (ProgramStart(ProgramPathBesideTests(L"window_standin.exe"), L"bench window", {}, window))
        windowKiB = BenchWorkingSetKiB(window.process);
    ProgramKill(window);

    std::vector<double> emptyMs, lookupBeyondMs, valueMs, writeMs, valueBeyondMs, writeBeyondBus;
    int failures = 0;
    for (int round = 0; round < kRounds; ++round) {
        DWORD code = 0;
        const double baseline = BenchRunToExitMs(empty, L"", code);
        const double windowSystem = BenchRunToExitMs(lookup, L"", code);
        const double value = BenchRunToExitMs(program, L"e", code);
        const bool valueOk = value >= 0 && code <= 100;
        // Every round writes a value the monitor does not hold yet.
        const double write = BenchRunToExitMs(program, round % 2 == 0 ? L"b 40" : L"b 60", code);
        const bool writeOk = write >= 0 && code == 0;
        failures += (valueOk ? 0 : 1) + (writeOk ? 0 : 1);
        if (baseline < 0) continue;
        emptyMs.push_back(baseline);
        if (windowSystem >= 0) lookupBeyondMs.push_back(windowSystem - baseline);
        if (valueOk) {
            valueMs.push_back(value);
            valueBeyondMs.push_back(value - baseline);
        }
        if (writeOk) {
            writeMs.push_back(write);
            writeBeyondBus.push_back((write - baseline) / kBusMs);
        }
    }
    // The last round must have left its value in the monitor.
    DWORD brightness = 0;
    BenchRunToExitMs(program, L"d", brightness);
    if (brightness != (kRounds % 2 == 0 ? 60u : 40u)) ++failures;
    DWORD code = 0;
    BenchRunToExitMs(program, L"q", code);
    ProgramWaitForExit(first, 20000, code);

    std::printf("%d rounds against the simulated monitors; the bus needs %.0f ms for 'b N'\n", kRounds, kBusMs);
    BenchSeriesPrint("empty program, start to exit", emptyMs, "ms");
    BenchSeriesPrint("second start 'e', start to exit", valueMs, "ms");
    BenchSeriesPrint("second start 'b N', start to exit", writeMs, "ms");
    BenchSeriesPrint("a window lookup beyond the empty program", lookupBeyondMs, "ms");
    BenchSeriesPrint("'e' beyond the empty program (goal <= 10)", valueBeyondMs, "ms");
    BenchSeriesPrint("'b N' beyond the empty program / bus (goal <= 1.15)", writeBeyondBus, "x");
    std::printf("working set after start-up: first instance %.1f MiB, empty one-window program %.1f MiB, "
                "%.1f MiB more (goal <= 6)\n",
                KiBAsMiB(programKiB), KiBAsMiB(windowKiB), KiBAsMiB(programKiB) - KiBAsMiB(windowKiB));
    WIN32_FILE_ATTRIBUTE_DATA file{};
    if (GetFileAttributesExW(program.c_str(), GetFileExInfoStandard, &file))
        std::printf("Lumistrand.exe: %lu bytes (goal <= 1 MiB)\n", static_cast<unsigned long>(file.nFileSizeLow));
    std::printf("rounds that failed or left an implausible value: %d\n", failures);
    return failures == 0 ? 0 : 1;
}
