// The user's popup-menu entries (commands 20..34) and "Dump values", which fills the first
// free one with the selected monitor's current values.
#pragma once
#include <string>

inline constexpr int kMenuEntries = 15;

// The text of entry n (0..14): caption and command line, only the caption when it is hidden,
// only the line without a caption; empty when the entry is not to be shown.
std::wstring MenuEntryText(int n);

// The command line of the selected monitor's values as the control panel shows them.
std::wstring CurrentValuesLine();

// Puts CurrentValuesLine into the first entry without a command line and returns its number;
// -1 and the message "no more free entries!" when every entry has one.
int DumpValuesIntoFreeEntry();
