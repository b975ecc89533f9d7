// The vcp group of a monitor's capabilities string: which codes it announces and which
// values it lists for them, e.g. "vcp(02 04 10 12 14(05 08 0B) 60(0F 11) B6 DF)".
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

struct VcpGroupReports {
    std::function<void(std::uint8_t code)> code;
    // values: each listed value in decimal followed by two blanks, e.g. "5  8  11  ".
    std::function<void(std::uint8_t code, const std::string& values)> valueList;
};

// Reports in order of appearance each announced code 1..255 that is not a table code, and
// the value list that follows a reported code. Codes that are dropped take their list with them.
void ParseVcpGroup(std::string_view capabilities, const VcpGroupReports& reports);

// Some monitors answer with a bare "vcp(10 12)" that says nothing; such a stored string is emptied.
void ForgetPlaceholderCapabilities(std::string& capabilities);
