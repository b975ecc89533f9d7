// Ending the program so that a fresh copy of it takes over.
#pragma once

// Remembers whether the control panel was visible (the successor stays hidden when it was
// not), hides it, sets restart requested and posts the exit command with kind 3. Once a
// restart is on its way, further requests do nothing.
void RestartProgram();

// The settings dialog reopens in the successor unless keepClosed.
void ShowSettingsAfterRestart(bool keepClosed);

// Logs the reason and restarts, unless a restart is already on its way: then neither.
void RestartLogged(const wchar_t* reason);
