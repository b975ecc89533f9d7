#include "testing/fakes/power_status_fake.h"

namespace {
bool g_batterySaver = false;
}  // namespace

void FakePowerSetBatterySaver(bool on) { g_batterySaver = on; }
bool PowerBatterySaverOn() { return g_batterySaver; }
