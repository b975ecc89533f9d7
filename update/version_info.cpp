#include "update/version_info.h"

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::size_t kVersionLength = 7;  // "d.d.d.d"

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool ReadVersion(std::string_view line, std::array<int, 4>& version) {
    if (line.size() != kVersionLength) return false;
    for (std::size_t part = 0; part < version.size(); ++part) {
        const char digit = line[part * 2];
        if (!IsDigit(digit) || (part + 1 < version.size() && line[part * 2 + 1] != '.')) return false;
        version[part] = digit - '0';
    }
    return true;
}

// Control characters other than line ends and tabs mean a binary or foreign file.
bool IsText(std::string_view bytes) {
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 && c != '\r' && c != '\n' && c != '\t') return false;
        if (byte == 0x7F) return false;
    }
    return true;
}

}  // namespace

std::optional<VersionInfo> ParseVersionInfo(std::string_view bytes) {
    if (bytes.size() > kVersionInfoMaxBytes || !IsText(bytes)) return std::nullopt;
    const std::string_view versionLine = bytes.substr(0, kVersionLength);
    VersionInfo info;
    if (!ReadVersion(versionLine, info.version) || bytes.substr(kVersionLength, kLineEnd.size()) != kLineEnd)
        return std::nullopt;
    const std::size_t englishStart = kVersionLength + kLineEnd.size();
    // The second version line starts a line of its own and is a whole line.
    const std::string separator = std::string(kLineEnd) + std::string(versionLine) + std::string(kLineEnd);
    const std::size_t second = bytes.find(separator, englishStart - kLineEnd.size());
    if (second == std::string_view::npos) return std::nullopt;
    info.englishNotes = bytes.substr(englishStart, second + kLineEnd.size() - englishStart);
    info.germanNotes = bytes.substr(second + separator.size());
    return info;
}

bool IsNewerVersion(const VersionInfo& candidate, const VersionInfo& running) {
    return candidate.version > running.version;
}

std::wstring MajorMinor(const VersionInfo& info, wchar_t separator) {
    return {static_cast<wchar_t>(L'0' + info.version[0]), separator, static_cast<wchar_t>(L'0' + info.version[1])};
}

std::wstring NotesText(std::string_view notes) {
    std::wstring text;
    for (const char c : notes) text += static_cast<wchar_t>(static_cast<unsigned char>(c));
    return text;
}
