// Records the requests to the application instead of restarting or ending anything.
#pragma once
#include <cstdint>

#include "platform/requests.h"

void FakeRequestsReset();
std::uint32_t FakeRestartRequests();
std::uint32_t FakeQuietExitRequests();
std::uint32_t FakeUnsavedExitRequests();
