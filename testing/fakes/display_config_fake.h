// The display configuration host tests describe: a target per display device name.
#pragma once
#include <string>

#include "platform/display_config.h"

void FakeDisplayConfigReset();
void FakeDisplayConfigSet(const std::wstring& displayDeviceName, const DisplayTarget& target);
