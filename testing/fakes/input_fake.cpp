#include "testing/fakes/input_fake.h"

#include <set>

namespace {
std::set<std::int32_t> g_down;
bool g_inArea = false;
DisplayHandle g_pointerDisplay = 0;
}  // namespace

bool KeyIsDown(std::int32_t virtualKey) { return g_down.contains(virtualKey); }
bool PointIsInNotificationArea(std::int32_t, std::int32_t) { return g_inArea; }
void PointerNudge() {}
DisplayHandle DisplayUnderPointer() { return g_pointerDisplay; }

void FakeInputReset() {
    g_down.clear();
    g_inArea = false;
    g_pointerDisplay = 0;
}
void FakeInputSetKeysDown(std::initializer_list<std::int32_t> virtualKeys) { g_down = virtualKeys; }
void FakeInputSetNotificationArea(bool inside) { g_inArea = inside; }
void FakeInputSetPointerDisplay(DisplayHandle display) { g_pointerDisplay = display; }
