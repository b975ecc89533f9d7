// Toggle lines: "t <first> t <second>" runs the alternatives in turn, one per line run,
// keeping a state per distinct key in the settings' toggle records.
#pragma once

// key: the rest of the line after the "t", starting with its blank. The chosen alternative
// is handed over as a line of its own, run after the current one.
void RunToggle(const wchar_t* key);
