// The text that describes the set of monitors; a change between passes restarts the program.
#pragma once
#include <string>

inline constexpr std::size_t kConfigurationSignatureChars = 1000;

// Concatenates, for each row in order, the identifying fields of its entry; cut at 1,000
// characters.
std::wstring BuildConfigurationSignature();
