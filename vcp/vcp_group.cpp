#include "vcp/vcp_group.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "vcp/vcp_code_table.h"

namespace {

constexpr std::size_t kValueListLimit = 259;

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

std::size_t FindNoCase(std::string_view text, std::string_view what) {
    const auto it = std::search(text.begin(), text.end(), what.begin(), what.end(),
                                [](char a, char b) { return Lower(a) == Lower(b); });
    return it == text.end() ? std::string_view::npos : static_cast<std::size_t>(it - text.begin());
}

std::optional<int> HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    const char lower = Lower(c);
    if (lower >= 'a' && lower <= 'f') return lower - 'a' + 10;
    return std::nullopt;
}

// A byte written in one or two hexadecimal digits; anything else cannot be read.
std::optional<int> HexByte(std::string_view item) {
    if (item.empty() || item.size() > 2) return std::nullopt;
    int value = 0;
    for (const char c : item) {
        const std::optional<int> digit = HexDigit(c);
        if (!digit) return std::nullopt;
        value = value * 16 + *digit;
    }
    return value;
}

std::string FormatValueList(std::string_view list) {
    std::string formatted;
    std::size_t pos = 0;
    while (pos < list.size()) {
        const std::size_t blank = std::min(list.find(' ', pos), list.size());
        const std::optional<int> value = HexByte(list.substr(pos, blank - pos));
        if (!value) break;
        formatted += std::to_string(*value) + "  ";
        pos = blank + 1;
    }
    return formatted;
}

}  // namespace

void ParseVcpGroup(std::string_view capabilities, const VcpGroupReports& reports) {
    const std::size_t vcp = FindNoCase(capabilities, "vcp");
    if (vcp == std::string_view::npos) return;
    const std::size_t open = capabilities.find('(', vcp);
    if (open == std::string_view::npos) return;

    int depth = 0;
    std::string pair;
    // The code a value list belongs to; 0 after a dropped pair, as 0 itself is never reported.
    std::uint8_t lastReported = 0;
    for (std::size_t i = open; i < capabilities.size(); ++i) {
        const char c = capabilities[i];
        if (c == ' ') continue;
        if (c == '(') {
            ++depth;
        } else if (c == ')') {
            if (--depth < 1) return;
        } else if (depth < 1) {
            return;
        }
        if (depth == 1 && c != '(' && c != ')') {
            pair += c;
            if (pair.size() < 2) continue;
            const std::optional<int> code = HexByte(pair);
            pair.clear();
            lastReported = 0;
            if (!code || *code < 1 || VcpLookup(static_cast<std::uint8_t>(*code)).type == "T") continue;
            lastReported = static_cast<std::uint8_t>(*code);
            if (reports.code) reports.code(lastReported);
        } else if (depth == 2 && c == '(') {
            const std::size_t close = std::min(capabilities.find(')', i + 1), capabilities.size());
            std::string_view list = capabilities.substr(i + 1, close - i - 1);
            if (list.size() > kValueListLimit) {
                // An item cut in half would read as a different value, so it is left out.
                list = list.substr(0, list.substr(0, kValueListLimit + 1).rfind(' ') + 1);
            }
            if (lastReported != 0 && reports.valueList) reports.valueList(lastReported, FormatValueList(list));
            i = close - 1;  // the walk continues at the ")"
        }
    }
}

void ForgetPlaceholderCapabilities(std::string& capabilities) {
    if (capabilities.size() >= 10 && FindNoCase(std::string_view(capabilities).substr(0, 10), "vcp(10 12)") == 0) {
        capabilities.clear();
    }
}
