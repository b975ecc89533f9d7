// Which vendor libraries the host "has" and which entries they lack; what they answer comes
// from the GPU simulator (testing/sim/gpu_sim.h). After reset neither library loads.
#pragma once
#include <cstdint>

#include "platform/gpu.h"

struct FakeGpuLibraries {
    bool nvidia = false;
    bool amd = false;
    std::uint32_t nvidiaMissing = 0;  // bit per NvidiaEntry
    std::uint32_t amdMissing = 0;     // bit per ADL export, in the order the program asks for them
};

void FakeGpuReset();
void FakeGpuSetLibraries(const FakeGpuLibraries& libraries);
