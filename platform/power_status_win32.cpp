#include <windows.h>

#include "platform/power_status.h"

bool PowerBatterySaverOn() {
    SYSTEM_POWER_STATUS status{};
    // The flag byte is "SystemStatusFlag" in newer SDKs; mingw-w64 still calls it Reserved1.
    return GetSystemPowerStatus(&status) != FALSE && (status.Reserved1 & SYSTEM_STATUS_FLAG_POWER_SAVING_ON) != 0;
}
