// Records restart requests instead of restarting.
#pragma once
#include <cstdint>

#include "monitors/restart_request.h"

void FakeRestartReset();
std::uint32_t FakeRestartRequests();
