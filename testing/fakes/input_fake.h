// Key states and the notification area as the test sets them.
#pragma once
#include <cstdint>
#include <initializer_list>

#include "platform/input.h"

void FakeInputReset();
void FakeInputSetKeysDown(std::initializer_list<std::int32_t> virtualKeys);
void FakeInputSetNotificationArea(bool inside);
void FakeInputSetPointerDisplay(DisplayHandle display);
