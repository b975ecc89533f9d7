#include "app/later_subsystems.h"

void ShowSettingsDialog(std::int32_t) {}
bool SettingsDialogIsOpen() { return false; }
void TransferAmbientBrightness() {}
