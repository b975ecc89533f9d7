// The command language interpreter. Runs on the main window's thread only.
#pragma once
#include <cstdint>

struct InterpreterFlags {
    std::int32_t monitorNamedInLine = 0;
    std::int32_t interactiveSelection = 1;
    std::int32_t errorLevelRequested = 0;
    std::int32_t errorLevelValue = 0;
    std::int32_t getVcpErrorLevel = 0;
    std::int32_t silentVcpRead = 0;
};

extern InterpreterFlags g_interpreter;

// line: writable, NUL-terminated, already normalised.
void ExecuteCommandLine(wchar_t* line);
