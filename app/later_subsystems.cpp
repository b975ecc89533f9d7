#include "app/later_subsystems.h"

void TransferAmbientBrightness() {}
