// The VCP explorer (template 121) and its wait window (template 123): lists the codes the
// selected monitor announces and answers, with Ctrl+Shift held every code it answers. The
// codes are read a tenth of a second at a time while the wait window shows, so the
// program stays responsive and closing the wait window ends the reading early; the explorer
// then shows what was read so far.
#pragma once

// Menu command 1373; an open explorer is only brought to the front.
void ShowVcpExplorer();
// Timer 92, every second while the explorer is open: the settings dialog, which could change
// what the explorer reads, is closed as if cancelled.
void ExplorerClosesSettingsTick();
