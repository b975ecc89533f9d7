// File seam of the settings store: the XML file read as (key, value) pairs and written from
// them. Windows: settings_file_win32.cpp (XmlLite). Host tests: testing/fakes/settings_file_fake.cpp.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "settings/settings_keys.h"

using SettingsPairSink = std::function<void(std::wstring_view key, std::wstring_view value)>;

// True when the file exists and can be opened for writing without sharing; it is closed again.
bool SettingsFileWritable(const std::wstring& path);

// Hands the first attribute of every element to sink, in file order, until the end or the
// first reading error. False only when the file cannot be opened; whatever was handed on
// before an error stays applied.
bool SettingsFileRead(const std::wstring& path, const SettingsPairSink& sink);

// Writes the pairs as the settings document. The old file is replaced only once the new
// one is complete, so a failed write leaves it as it was. hideOnDesktop: give the file the
// hidden attribute when its full path contains "Desktop". On failure error holds the
// system's code (a Win32 error or an HRESULT); it is left alone on success.
bool SettingsFileWrite(const std::wstring& path, const SettingsPairs& pairs, bool hideOnDesktop, std::uint32_t& error);
