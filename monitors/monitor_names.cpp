#include "monitors/monitor_names.h"

#include <algorithm>

void RemoveSpaces(std::wstring& text) {
    const std::size_t scanned = std::min<std::size_t>(text.size(), 64);
    const auto end = std::remove(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(scanned), L' ');
    text.erase(end, text.begin() + static_cast<std::ptrdiff_t>(scanned));
}

std::wstring LimitText(const std::wstring& text, std::size_t maxChars) {
    return text.substr(0, maxChars);
}
