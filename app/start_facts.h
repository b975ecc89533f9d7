// What start-up learns about this run of the program: written once while starting, read
// anywhere in app/ afterwards.
#pragma once
#include <cstdint>
#include <string>

struct StartFacts {
    std::uint32_t mainThreadId = 0;
    bool startedWithArguments = false;
    bool startedFromStartupFolder = false;
    std::uint32_t startTick = 0;
    std::wstring programSettingsPath;  // at most 519 characters
    std::int32_t fontSmoothing = 0;
};

extern StartFacts g_start;
