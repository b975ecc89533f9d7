#include "app/later_subsystems.h"

void ShowVcpExplorer() {}
void CheckForUpdate(bool) {}
void UninstallProgram() {}
void ShowMonitorDialog(std::int32_t) {}
void DimCheck() {}
void RestoreOnShutdown() {}
void EndFullScreenTriggers() {}
void RunTimedCommandLines() {}
void TransferAmbientBrightness() {}
