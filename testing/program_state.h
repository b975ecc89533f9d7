// Puts the program back as it is at start, for a test: the process-wide records, the state
// each subsystem keeps behind its named functions, and what stands in for the system (on the
// host the fakes and the simulated monitors; under Wine nothing needs it).
#pragma once

void ResetProgramState();
// The system half, one per build: testing/fakes/reset_fakes.cpp, testing/wine/reset_system_win32.cpp.
void ResetSystemStandIns();
