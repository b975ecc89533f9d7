// Every timer of the main window in one table: its id, the period it starts with at
// start-up, whether it stops as soon as it fires, and its work.
#pragma once
#include <cstdint>
#include <span>

struct MainWindowTimer {
    std::uint32_t id;
    std::uint32_t startPeriodMs;  // 0: not started at start-up; armed by whoever needs it
    bool oneShot;                 // stopped when it fires, before its work runs
    void (*work)();
};

// The timers started at start-up come first, in the order they are started.
std::span<const MainWindowTimer> MainWindowTimers();

// The table's row for id; nullptr for an id that is not a main-window timer.
const MainWindowTimer* FindMainWindowTimer(std::uint32_t id);
