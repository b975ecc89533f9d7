#include "monitors/capabilities.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr std::size_t kModelChars = 31;
constexpr std::size_t kValueListChars = 259;

char Lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

std::size_t FindNoCase(const std::string& text, const std::string& what, std::size_t from = 0) {
    const auto begin = text.begin() + static_cast<std::ptrdiff_t>(std::min(from, text.size()));
    const auto found = std::search(begin, text.end(), what.begin(), what.end(),
                                   [](char a, char b) { return Lower(a) == Lower(b); });
    return found == text.end() ? std::string::npos : static_cast<std::size_t>(found - text.begin());
}

// Position just after the "(" that opens the vcp list, or npos.
std::size_t VcpListStart(const std::string& caps) {
    const std::size_t vcp = FindNoCase(caps, "vcp");
    if (vcp == std::string::npos) {
        return std::string::npos;
    }
    const std::size_t open = caps.find('(', vcp);
    return open == std::string::npos ? std::string::npos : open + 1;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::wstring CapsToWide(const std::string& text) {
    std::wstring result;
    for (char c : text) {
        result += static_cast<wchar_t>(static_cast<unsigned char>(c));
    }
    return result;
}

std::wstring CapsModel(const std::string& caps) {
    const std::size_t model = FindNoCase(caps, "model");
    if (model == std::string::npos) {
        return {};
    }
    const std::size_t open = caps.find('(', model);
    if (open == std::string::npos) {
        return {};
    }
    const std::size_t close = caps.find(')', open + 1);
    if (close == std::string::npos) {
        return {};
    }
    return CapsToWide(caps.substr(open + 1, std::min(close - open - 1, kModelChars)));
}

bool CapsListsCode(const std::string& caps, const char* code) {
    std::size_t pos = VcpListStart(caps);
    if (pos == std::string::npos) {
        return false;
    }
    int depth = 1;
    char previous = '\0';
    for (; pos < caps.size() && depth > 0; ++pos) {
        const char c = caps[pos];
        if (c == '(') {
            ++depth;
        } else if (c == ')') {
            --depth;
        } else if (depth == 1 && Lower(previous) == Lower(code[0]) && Lower(c) == Lower(code[1])) {
            return true;
        }
        previous = c;
    }
    return false;
}

CapsValueList CapsValues(const std::string& caps, const char* code) {
    CapsValueList list;
    const std::size_t start = VcpListStart(caps);
    if (start == std::string::npos) {
        return list;
    }
    std::size_t key = std::string::npos;
    for (const char* gap : {"", " ", "  ", "   "}) {
        key = std::min(key, FindNoCase(caps, std::string(code) + gap + "(", start));
    }
    if (key == std::string::npos) {
        return list;
    }
    list.found = true;
    const std::size_t open = caps.find('(', key);
    const std::size_t close = caps.find(')', open + 1);
    const std::size_t length = std::min(
        (close == std::string::npos ? caps.size() : close) - open - 1, kValueListChars);
    const std::string text = caps.substr(open + 1, length);
    std::size_t pos = 0;
    while (pos < text.size()) {
        const int high = HexDigit(text[pos]);
        if (high < 0) {
            // Anything but a hex digit is skipped; stopping on it would never end the walk.
            ++pos;
            continue;
        }
        const int low = pos + 1 < text.size() ? HexDigit(text[pos + 1]) : -1;
        list.values.push_back(static_cast<std::uint8_t>(low < 0 ? high : high * 16 + low));
        pos += 2;
    }
    return list;
}
