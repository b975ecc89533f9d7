// Binding of monitor entries to their persisted KnownMonitor slots (g_settings.known),
// keyed by the entry's deviceUid.
#pragma once
#include <cstdint>
#include <string>

struct KnownMonitor;
struct MonitorEntry;

// Clears mUID and mname and puts every other field back to its default.
void ResetKnownMonitor(std::int32_t slot);
// First slot whose mUID equals uid (as far as a slot can hold it), or -1.
std::int32_t FindKnownMonitor(const std::wstring& uid);
// The slot bound to the entry, or null (none, or duplicated displays, which bind nothing).
KnownMonitor* KnownMonitorOf(const MonitorEntry& entry);
// Binds the entry to its slot (creating one when there is a free slot) and removes later
// slots with the same mUID. rowsBefore is the number of rows that exist before this
// entry's row; it picks the icon font of a new slot. rememberValues copies brightness
// and contrast into an existing slot. Returns the name the entry's row shows.
std::wstring BindKnownMonitor(const MonitorEntry& entry, std::int32_t rowsBefore, bool rememberValues);
