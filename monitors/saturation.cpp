#include "monitors/saturation.h"

#include <algorithm>

#include "monitors/monitor_table.h"

bool ReadSaturation(MonitorEntry&, const std::string&) { return false; }

bool WriteSaturation(MonitorEntry& entry, std::int32_t raw) {
    SaturationInfo& info = entry.saturationInfo;
    info.current = std::clamp(raw, std::min(info.minimum, info.maximum), std::max(info.minimum, info.maximum));
    // Neither vendor library is loaded, so the driver cannot take the value.
    return false;
}
