#include "commands/interpreter.h"

InterpreterFlags g_interpreter;

void ExecuteCommandLine(wchar_t*) {}
