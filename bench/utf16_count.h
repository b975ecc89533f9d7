// Counting a text in UTF-16 little-endian bytes, as the event log file holds them.
#pragma once
#include <cstddef>
#include <string>

inline std::size_t Utf16Occurrences(const std::string& bytes, const std::wstring& text) {
    std::string needle;
    for (const wchar_t c : text) needle += {static_cast<char>(c & 0xFF), static_cast<char>((c >> 8) & 0xFF)};
    std::size_t count = 0;
    for (std::size_t at = bytes.find(needle); at != std::string::npos; at = bytes.find(needle, at + 2)) ++count;
    return count;
}
