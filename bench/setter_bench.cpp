// Monitor traffic and virtual time of one SetBrightness: a new value with and without
// verify, and the same value again. Runs against the simulator with its default latencies.
#include <chrono>
#include <cstdio>

#include "monitors/brightness.h"
#include "monitors/monitor_list.h"
#include "monitors/monitor_table.h"
#include "settings/settings.h"
#include "testing/fakes/clock_fake.h"
#include "testing/sim/sim_model.h"

namespace {

void Prepare() {
    SimReset();
    g_settings = Settings{};
    g_monitors = MonitorTable{};
    g_monitors.startupPass = false;
    MonitorListClear();
    // Two displays as the simulator's default: the first monitor is selected, the entry
    // agrees with the monitor (brightness 75 of 0..100).
    for (std::int32_t i = 0; i < 2; ++i) {
        MonitorEntry& entry = g_monitors.entries[static_cast<std::size_t>(i)];
        entry.brightnessMax = 100;
        entry.contrastMax = 100;
        entry.deviceUid = L"bench" + std::to_wstring(i);
        MonitorListAppend(L"Monitor" + std::to_wstring(i + 1));
    }
    g_monitors.entries[0].brightness = 75;
    MonitorListSetCell(0, kColumnBrightness, L"75");
}

void Run(const char* title, std::uint32_t percent) {
    SimClearTransactions();
    FakeClockReset();
    const auto start = std::chrono::steady_clock::now();
    SetBrightness(percent);
    const auto wall = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
    std::size_t monitorIo = 0;
    for (const SimTransaction& t : SimTransactions()) {
        if (t.monitor >= 0 && t.operation != "DestroyPhysicalMonitors") ++monitorIo;
    }
    std::printf("%s: %zu transactions, %zu of them monitor I/O, %llu ms virtual, %lld us wall\n", title,
                SimTransactions().size(), monitorIo, static_cast<unsigned long long>(FakeClockSleptMilliseconds()),
                static_cast<long long>(wall.count()));
    for (const SimTransaction& t : SimTransactions()) std::printf("  %s\n", SimFormatTransaction(t).c_str());
}

}  // namespace

int main() {
    Prepare();
    Run("new value, verify off", 40);
    Run("same value again", 40);
    Prepare();
    g_settings.verify = true;
    Run("new value, verify on", 40);
    Run("same value again, verify on", 40);
    return 0;
}
