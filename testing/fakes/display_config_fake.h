// The display configuration host tests describe: a target per display device name.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "platform/display_config.h"

void FakeDisplayConfigReset();
void FakeDisplayConfigSet(const std::wstring& displayDeviceName, const DisplayTarget& target);

// The display mode: readable or not, the modes applied in order and which apply succeeds.
struct FakeDisplayModes {
    bool readable = true;
    DisplayMode current{0, 1920, 1080};
    std::size_t succeedAt = static_cast<std::size_t>(-1);  // index into applied
    std::wstring device;
    std::vector<DisplayMode> applied;
};
FakeDisplayModes& FakeDisplayMode();
