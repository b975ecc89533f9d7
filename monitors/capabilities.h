// Reading the parts of an MCCS capabilities string that the probe uses. The string comes
// from the monitor and may be truncated or malformed: every function stops at its end.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

inline constexpr std::size_t kCapabilitiesMaxChars = 4095;

// The 8-bit text widened character by character, as the log and the fields hold it.
std::wstring CapsToWide(const std::string& text);
// The text inside the parentheses after "model" (case-insensitive), at most 31 characters;
// empty when there is none.
std::wstring CapsModel(const std::string& caps);
// True when the two-character code (e.g. "6B") stands at the top level of the vcp list.
bool CapsListsCode(const std::string& caps, const char* code);

struct CapsValueList {
    bool found = false;                  // the vcp list carries "<code>(" with up to three spaces
    std::vector<std::uint8_t> values;    // in the order listed
};
// The values listed for code (e.g. "14") inside the vcp list.
CapsValueList CapsValues(const std::string& caps, const char* code);
