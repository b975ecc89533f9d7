// Timing and figures shared by the Windows benchmarks. Starting and waiting for processes is
// the end-to-end harness's (testing/wine/e2e_harness_win32.h).
#pragma once
#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

// Milliseconds from just before exePath's process is created until it has ended, or -1 when it
// did not start or ran over 60 s. exitCode is untouched on -1.
double BenchRunToExitMs(const std::wstring& exePath, const std::wstring& arguments, DWORD& exitCode);

struct BenchSeries {
    size_t count = 0;
    double min = 0;
    double median = 0;
    double mean = 0;
    double max = 0;
};

// False, with series untouched, when times holds no run.
bool BenchSeriesSummarise(std::vector<double> times, BenchSeries& series);
// One line: the name, the count and min/median/max of the values with their unit, or that none came.
void BenchSeriesPrint(const char* name, const std::vector<double>& values, const char* unit);

// The process's working set in KiB once it has been idle for a second, or 0 when it cannot be read.
size_t BenchWorkingSetKiB(HANDLE process);
