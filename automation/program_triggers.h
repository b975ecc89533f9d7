// Full-screen program triggers: while a listed program is in front (and, with onlyfullscreen,
// covers its monitor) the monitor's values are kept aside and the program's line runs; when it
// leaves, the kept values go back to that monitor, and to no other.
#pragma once
#include <array>
#include <string>
#include <vector>

#include "platform/foreground.h"
#include "settings/settings.h"

inline constexpr std::size_t kTriggerCount = 16;

struct TriggerDecision {
    std::vector<std::size_t> end;  // active records to end, in this order, before any start
    int start = -1;                // the record to start
};

// The program in front by its file name; a store app's frame host stands for the app it shows.
std::wstring ForegroundProgram(const ForegroundInfo& foreground);

// An empty or hidden foreground counts as the program having left: a destroyed window leaves none.
TriggerDecision DecideTriggers(const std::array<FullScreenEntry, kTriggerCount>& entries,
                               const std::array<bool, kTriggerCount>& active, const ForegroundInfo& foreground,
                               bool onlyFullScreen, bool duplicateMode);

// Timer 0x2C, every second.
void CheckProgramTriggers();
bool IsAnyTriggerActive();
// Ends every active trigger with its values put back (session end, exit).
void EndFullScreenTriggers();
void ProgramTriggersReset();
