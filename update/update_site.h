// Where the update files come from, and where they are kept on this computer.
#pragma once
#include <string>
#include <string_view>

// The download site's base address without a trailing "/": the home page, or override (the
// environment variable LUMISTRAND_UPDATE_SITE) when that is an http or https address.
std::wstring UpdateSiteBase(std::wstring_view override);
// The address of a file on the download site; name starts with "/".
std::wstring UpdateSiteFile(std::wstring_view name);

// Roaming application data + "\Lumistrand", created; empty when it cannot be had.
std::wstring UpdateWorkFolder();
// The folder part of a program file's path; empty when it has none.
std::wstring ProgramFolderOf(const std::wstring& programPath);
