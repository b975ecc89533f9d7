// The exit command of the main window (command 40074, lParam = kind), apart from the
// window work: hiding, asking, stopping the hook thread and destroying the window.
#pragma once
#include <cstdint>

enum ExitKind : std::intptr_t {
    kExitUser = 0,
    kExitConfigurationCheck = 1,
    kExitWithoutSaving = 2,
    kExitRestart = 3,
};

// How this run is to end; the exit path and the restart own it.
struct ExitFlags {
    bool restartRequested = false;
    bool hiddenRestart = false;  // the successor stays hidden
    bool quietExit = false;      // the command q: no question, no successor
    bool sessionEnding = false;
    bool configurationChanged = false;
    bool confirming = false;     // the exit question is up
    bool ended = false;          // the settings are saved and the window is going
    std::int32_t exitCode = 0;   // the process's exit code, left by the last line run
};

const ExitFlags& ExitState();
// False when a restart or the end is already on its way: the request adds nothing.
bool ExitRequestRestart(bool hidden);
void ExitRequestQuiet();
void ExitSetCode(std::int32_t code);
// Back to the state at start.
void ExitResetState();

// The user is asked only for an exit nobody else asked for.
bool ExitNeedsConfirmation(std::intptr_t kind);

// Asks the user whether to end. False when the answer is not OK or the question is already
// up: an exit command that arrives meanwhile asks nothing, and an exit that runs meanwhile
// (q, a restart) leaves nothing for the answer to do, as FinishExit runs once.
bool ExitConfirmed();

// Re-discovers the monitors and compares the set with the one before; on a change the
// program restarts (hidden when the control panel was hidden), unless it is quitting anyway.
// Runs at most once per process: a changed set is not compared again.
void CompareMonitorConfiguration(bool panelWasVisible);

// The steps after the confirmation. False when the program stays (a configuration check
// that found the same monitors, or an exit that already ran); true when the window is to be
// destroyed.
bool FinishExit(std::intptr_t kind, bool panelWasVisible);

// The session is about to end: dimmed monitors and full-screen triggers give their values
// back for the next start. True when the answer is to be TRUE (restorevalues on).
bool QueryEndSession();

// The session ends: with restorevalues on, saves without asking and without a successor;
// true when the window is to be destroyed.
bool EndSession();
