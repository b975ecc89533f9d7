// Entry points of subsystems that are built later. Each is called at its place and does
// nothing until the work named beside it fills it in.
#pragma once
#include <cstdint>

void TransferAmbientBrightness();                    // ambient-sensor brightness transfer
