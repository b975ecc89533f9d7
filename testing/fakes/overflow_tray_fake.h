#pragma once
#include <optional>
#include <string>
#include <vector>

#include "platform/overflow_tray.h"

// What OverflowTrayButtonTexts answers; nothing (no overflow area) after a reset.
void FakeOverflowTraySet(std::optional<std::vector<std::wstring>> texts);
