// How the monitor code (and others outside app/) ask for a program restart after logging
// their reason. The application wires RequestRestart to its RestartProgram and
// RestartIsPending to its "restart requested" flag; host tests link a recorder
// (testing/fakes/restart_request_fake.h).
#pragma once

void RequestRestart();
// True once a restart was requested and the program is on its way out.
bool RestartIsPending();
