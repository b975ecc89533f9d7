// The battery saver in host tests.
#pragma once
#include "platform/power_status.h"

void FakePowerSetBatterySaver(bool on);
