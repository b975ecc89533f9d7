// What the foreground seam answers in host tests.
#pragma once
#include "platform/foreground.h"

void FakeForegroundSet(const ForegroundInfo& info);
void FakeForegroundReset();
