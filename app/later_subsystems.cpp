#include "app/later_subsystems.h"

void ShowVcpExplorer() {}
void TransferAmbientBrightness() {}
