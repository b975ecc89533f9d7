#include "platform/main_window.h"
#include "testing/program_state.h"

// The Windows tests run against the real system; only the window a test attached goes.
void ResetSystemStandIns() { MainWindowDetach(); }
