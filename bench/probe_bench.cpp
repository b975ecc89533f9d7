// Monitor traffic and virtual time of the discovery pass over the simulator's default
// monitors: the first pass, which probes every monitor, and a later one, which must not
// read from a monitor that answered. Exits with 1 when a pass reads what it should not.
#include <cstdio>
#include <set>
#include <string>

#include "monitors/capabilities.h"
#include "monitors/discovery.h"
#include "monitors/monitor_list.h"
#include "monitors/monitor_table.h"
#include "settings/settings.h"
#include "testing/fakes/clock_fake.h"
#include "testing/sim/sim_model.h"

namespace {

constexpr std::uint8_t kPowerMode = 0xD6;
constexpr std::uint8_t kSpeaker = 0x62;

bool IsValueRead(const SimTransaction& t) {
    return t.monitor >= 0 && t.operation.rfind("Get", 0) == 0 && t.operation != "GetCapabilitiesStringLength";
}

// A VCP read the probe asks for on its own account or because the monitor's capabilities
// list the code.
bool IsAskedFor(const SimTransaction& t) {
    if (t.operation != "GetVCPFeatureAndVCPFeatureReply" || t.code == kPowerMode || t.code == kSpeaker) {
        return true;
    }
    const SimMonitor* monitor = SimMonitorAt(t.monitor);
    if (monitor == nullptr || t.code < 0) {
        return false;
    }
    char code[3];
    std::snprintf(code, sizeof code, "%02X", t.code);
    return CapsListsCode(monitor->capabilities, code);
}

struct PassFigures {
    std::uint64_t virtualMs = 0;
    std::size_t transactions = 0;
    std::size_t valueReads = 0;
    std::size_t unaskedReads = 0;
};

PassFigures RunPass() {
    SimClearTransactions();
    FakeClockReset();
    DiscoverMonitors(false);
    PassFigures figures;
    figures.virtualMs = FakeClockSleptMilliseconds();
    figures.transactions = SimTransactions().size();
    for (const SimTransaction& t : SimTransactions()) {
        if (IsValueRead(t)) {
            ++figures.valueReads;
            if (!IsAskedFor(t)) {
                ++figures.unaskedReads;
                std::printf("  unasked: %s\n", SimFormatTransaction(t).c_str());
            }
        }
    }
    return figures;
}

void Print(const char* title, const PassFigures& figures) {
    std::printf("%s: %llu ms virtual, %zu transactions, %zu value reads, %zu not asked for\n", title,
                static_cast<unsigned long long>(figures.virtualMs), figures.transactions, figures.valueReads,
                figures.unaskedReads);
}

}  // namespace

int main() {
    SimReset();
    g_settings = Settings{};
    g_monitors = MonitorTable{};
    MonitorListClear();
    for (std::int32_t i = 0; i < kMonitorCount; ++i) {
        g_monitors.entries[static_cast<std::size_t>(i)].deviceUid = L"bench" + std::to_wstring(i);
    }
    const PassFigures first = RunPass();
    Print("first pass", first);
    const PassFigures later = RunPass();
    Print("later pass", later);
    const bool ok = first.unaskedReads == 0 && later.valueReads == 0;
    std::printf("%s\n", ok ? "ok" : "FAILED: a pass read more than it should");
    return ok ? 0 : 1;
}
