// Power-status seam: whether the system's battery saver is on.
// Windows: power_status_win32.cpp. Host tests: testing/fakes/power_status_fake.cpp.
#pragma once

// False when the status cannot be read or the system has no battery saver.
bool PowerBatterySaverOn();
