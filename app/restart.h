// Ending the program so that a fresh copy of it takes over.
#pragma once

// Remembers whether the control panel was visible (the successor stays hidden when it was
// not), hides it, sets restart requested and posts the exit command with kind 3.
void RestartProgram();
