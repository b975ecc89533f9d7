// The keys of the settings file as data: what reading one (key, value) pair does, the
// pairs a save writes in file order, and the defaults. Portable; the file itself is
// settings_file_win32.cpp.
#pragma once
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "settings/settings.h"
#include "settings/settings_store.h"

using SettingsPair = std::pair<std::wstring, std::wstring>;
using SettingsPairs = std::vector<SettingsPair>;

// The root element's attribute and the version it must carry for versionMatched.
inline constexpr wchar_t kSettingsVersionKey[] = L"Lumistrand";
inline constexpr wchar_t kSettingsVersion[] = L"7.2";

// Stores one pair read from the file with the reading rule of its key's kind. Keys match
// without regard to case; an unknown key is ignored, a value that cannot be read leaves
// the field as it was.
void SettingsApplyPair(Settings& settings, SettingsStatus& status, std::wstring_view key,
                       std::wstring_view value);

// The pairs a save writes, in the order the file holds them. german: the user-interface
// language in use, which is what `language` records.
SettingsPairs SettingsWriteList(const Settings& settings, const SettingsStatus& status, bool german);

// Every key a file may hold, written or accepted from older versions.
std::vector<std::wstring> SettingsAllKeys();

void SettingsApplyDefaults(Settings& settings);
void KnownMonitorApplyDefaults(KnownMonitor& monitor);

// Case-insensitive comparison of ASCII-range texts, as keys and identification strings use.
bool TextEqualsNoCase(std::wstring_view a, std::wstring_view b);
bool TextContainsNoCase(std::wstring_view text, std::wstring_view part);
