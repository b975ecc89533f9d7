// When timer 0x2B checks for an update by itself.
#pragma once
#include <cstdint>

struct Settings;

// daily, or weekly with more than 7 days since lastcheck (days of the month, a month as 31).
// never is what remains when neither is set: the old key automaticupdate sets weekly alone.
bool UpdateCheckDue(const Settings& settings, std::int32_t today);
