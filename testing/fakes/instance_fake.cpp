#include "testing/fakes/instance_fake.h"

namespace {
std::vector<SentLine> g_sent;
bool g_reachable = true;
constexpr std::size_t kBlockUnits = 1024;
}  // namespace

void FakeInstanceReset() {
    g_sent.clear();
    g_reachable = true;
}

const std::vector<SentLine>& FakeInstanceSentLines() { return g_sent; }

void FakeInstanceSetReachable(bool reachable) { g_reachable = reachable; }

bool InstanceSendLine(std::uintptr_t window, std::uint32_t origin, const char16_t* block) {
    if (!g_reachable) return false;
    g_sent.push_back({window, origin, std::u16string(block, kBlockUnits)});
    return true;
}
