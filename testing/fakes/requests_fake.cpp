#include "testing/fakes/requests_fake.h"

namespace {

std::uint32_t g_restarts = 0;
std::uint32_t g_quietExits = 0;
std::uint32_t g_unsavedExits = 0;

}  // namespace

void FakeRequestsReset() {
    g_restarts = 0;
    g_quietExits = 0;
    g_unsavedExits = 0;
}

std::uint32_t FakeRestartRequests() { return g_restarts; }

std::uint32_t FakeQuietExitRequests() { return g_quietExits; }

void RequestRestart() { ++g_restarts; }

bool RestartIsPending() { return g_restarts != 0; }

void RequestQuietExit() { ++g_quietExits; }

std::uint32_t FakeUnsavedExitRequests() { return g_unsavedExits; }

void RequestExitWithoutSaving() { ++g_unsavedExits; }
