// Reading a version file (update/own_version.h shows the layout) that came from outside.
#pragma once
#include <array>
#include <compare>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// A downloaded file larger than this is no version file.
inline constexpr std::size_t kVersionInfoMaxBytes = 4096;

struct VersionInfo {
    std::array<int, 4> version{};  // one digit each: "7.2.0.0"
    std::string englishNotes;      // after the first version line, up to the second
    std::string germanNotes;       // after the second version line
};

// Empty unless the bytes hold the layout: a version line "d.d.d.d", notes, the same version line,
// notes; printable text with CR, LF and tabs, at most kVersionInfoMaxBytes. An error page, an
// empty or truncated download is refused here.
std::optional<VersionInfo> ParseVersionInfo(std::string_view bytes);

// Only a higher version is an update: the same version with other notes is the program the user
// already runs.
bool IsNewerVersion(const VersionInfo& candidate, const VersionInfo& running);

// "7.2", and "7_2" as the site's file names carry it.
std::wstring MajorMinor(const VersionInfo& info, wchar_t separator);

// Notes of the version file, one byte per character as the site writes them (Latin-1).
std::wstring NotesText(std::string_view notes);
