// The popup menus' commands that need no window of their own: what each id does.
#pragma once
#include <cstdint>

inline constexpr std::uint32_t kMenuEntryFirst = 20, kMenuEntryLast = 34;

// row: the monitor list's row the list menu was opened for. False for an id that is not
// one of these commands.
bool RunMenuCommand(std::uint32_t id, std::int32_t row);
