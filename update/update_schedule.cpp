#include "update/update_schedule.h"

#include "settings/settings.h"

bool UpdateCheckDue(const Settings& settings, std::int32_t today) {
    if (settings.daily) return true;
    if (!settings.weekly) return false;
    const std::int32_t last = settings.lastcheck;
    return today - 7 > last || (last > today && today - last + 31 > 7);
}
