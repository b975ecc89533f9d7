// Entry points of subsystems that are built later. Each is called at its place and does
// nothing until the work named beside it fills it in.
#pragma once
#include <cstdint>

void ShowSettingsDialog(std::int32_t page);          // settings dialog: opens on page, or to the front
bool SettingsDialogIsOpen();                         // settings dialog
void TransferAmbientBrightness();                    // ambient-sensor brightness transfer
