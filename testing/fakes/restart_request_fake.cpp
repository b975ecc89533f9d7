#include "testing/fakes/restart_request_fake.h"

namespace {

std::uint32_t g_requests = 0;

}  // namespace

void FakeRestartReset() {
    g_requests = 0;
}

std::uint32_t FakeRestartRequests() {
    return g_requests;
}

void RequestRestart() {
    ++g_requests;
}

bool RestartIsPending() {
    return g_requests != 0;
}
