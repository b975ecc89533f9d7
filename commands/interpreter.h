// The command language interpreter. Runs on the main window's thread only.
#pragma once
#include <cstdint>

struct InterpreterFlags {
    std::int32_t monitorNamedInLine = 0;
    std::int32_t interactiveSelection = 1;
    std::int32_t errorLevelRequested = 0;
    std::int32_t errorLevelValue = 0;
    std::int32_t getVcpErrorLevel = 0;
};

// What the lines run so far asked for; read by the exit path and the VCP box.
const InterpreterFlags& InterpreterState();
// Before each line: no error level is asked for yet, and none from an earlier line lingers.
void InterpreterClearErrorLevel();
// Back to the state at start.
void InterpreterReset();

// The command files of this folder record what a line did.
void InterpreterNoteMonitorNamed();
void InterpreterSetInteractiveSelection(bool interactive);
// get_VCP asks for the read result as exit code; getVCP asks for none.
void InterpreterAskVcpErrorLevel(bool asErrorLevel);

// line: writable, NUL-terminated, already normalised.
void ExecuteCommandLine(wchar_t* line);
