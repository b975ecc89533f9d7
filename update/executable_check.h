// Whether a downloaded file is a whole Windows program before anything runs it.
#pragma once
#include <string_view>

// True for a complete PE image: "MZ", the "PE\0\0" header it points to, a 32- or 64-bit optional
// header, and every section's data inside the file. An error page, an empty or cut-off download fails.
bool IsCompleteExecutable(std::string_view bytes);
