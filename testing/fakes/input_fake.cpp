#include "testing/fakes/input_fake.h"

#include <set>

namespace {
std::set<std::int32_t> g_down;
bool g_inArea = false;
}  // namespace

bool KeyIsDown(std::int32_t virtualKey) { return g_down.contains(virtualKey); }
bool PointIsInNotificationArea(std::int32_t, std::int32_t) { return g_inArea; }
void PointerNudge() {}

void FakeInputReset() {
    g_down.clear();
    g_inArea = false;
}
void FakeInputSetKeysDown(std::initializer_list<std::int32_t> virtualKeys) { g_down = virtualKeys; }
void FakeInputSetNotificationArea(bool inside) { g_inArea = inside; }
