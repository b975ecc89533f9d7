// libFuzzer target: any line, prepared as the main window receives it, run against the
// simulated monitors. Bytes below 0x80 are characters; the others stand for words and
// fragments of the language, so that the fuzzer reaches the deeper procedures quickly.
// Each line gets a buffer of exactly its own size, so AddressSanitizer reports any read
// past its end.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "commands/interpreter.h"
#include "commands/normalise.h"
#include "monitors/discovery.h"
#include "monitors/monitor_table.h"
#include "settings/settings.h"
#include "testing/fakes/instance_fake.h"
#include "testing/fakes/main_window_fake.h"
#include "testing/sim/sim_model.h"
#include "vcp/vcp_code_table.h"

namespace {

const wchar_t* const kFragments[16] = {L"setvcp ", L"getvcp ", L"get_vcp ", L" t ", L"0x", L"bl", L"rtk", L"pd3220u",
                                       L"\"", L"#", L" ; ", L" , ", L"+", L"-", L"a 1 2 3 4", L"2 "};

bool Prepare() {
    SimReset();
    VcpCodeTableBuild();
    DiscoverMonitors(false);
    g_monitors.startupPass = false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool prepared = Prepare();
    (void)prepared;
    std::wstring raw;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] < 0x80) {
            raw += static_cast<wchar_t>(data[i]);
        } else {
            raw += kFragments[data[i] & 0x0F];
        }
    }
    const std::wstring line = NormaliseCommandLine(raw);
    if (line.size() >= kCommandBufferChars) __builtin_trap();
    std::vector<wchar_t> buffer(line.begin(), line.end());
    buffer.push_back(L'\0');
    ExecuteCommandLine(buffer.data());

    // Keep the run's state bounded: free toggle records, no recorded traffic piling up.
    for (ToggleEntry& toggle : g_settings.toggles) toggle = ToggleEntry{};
    SimClearTransactions();
    SimClearFailures();
    FakeMainWindowReset();
    FakeInstanceReset();
    return 0;
}
