// Small text rules for monitor names and the fixed-size text fields of the monitor records.
#pragma once
#include <cstddef>
#include <string>

// Deletes every space among the first 64 characters, so that a name can be typed as a
// command-line selector.
void RemoveSpaces(std::wstring& text);
// Cuts text to at most maxChars characters (a field's size minus its terminating zero).
std::wstring LimitText(const std::wstring& text, std::size_t maxChars);
