// What the simulated nvapi.dll and atiadlxx.dll share: at their first call the gpu lines of
// LUMISTRAND_SIM_CONFIG (none without it, so the library finds no graphics card) and a line in
// LUMISTRAND_SIM_LOG for every call.
#pragma once

void GpuDllEnsureLoaded();
