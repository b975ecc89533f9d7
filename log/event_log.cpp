#include "log/event_log.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cwchar>

#include "platform/files.h"
#include "platform/shell.h"
#include "settings/settings.h"

namespace {

constexpr std::size_t kFieldLimit = 520;
constexpr std::size_t kExtraLimit = 4096;
constexpr int kAsideNames = 1000;

// Pushed by discovery where it learns them, so a line can name its monitor.
std::array<std::wstring, kLoggedMonitors> g_monitorNames;
bool g_duplicateMode = false;

void AppendField(std::wstring& line, std::wstring field) {
    if (field.size() > kFieldLimit) field.resize(kFieldLimit);
    line += field;
}

std::wstring Hex8(std::uint32_t value) {
    wchar_t buffer[16];
    std::swprintf(buffer, 16, L"%08X  ", value);
    return buffer;
}

// Empty when no path can be made (no roaming folder).
std::wstring LogPath() {
    if (g_settings.logfile.empty()) {
        const std::wstring roaming = ShellRoamingAppDataFolder();
        if (roaming.empty()) return {};
        const std::wstring folder = roaming + L"\\Lumistrand";
        FolderCreate(folder);
        SettingsSetLogFile(folder + L"\\Lumistrand.txt");
    }
    return g_settings.logfile;
}

// A file that does not start with our byte-order mark may be anything the user owns (a
// mistyped path), so it is kept under a free numbered name rather than deleted.
bool MoveForeignFileAside(const std::wstring& path) { return !MoveAsideNumbered(path, kAsideNames).empty(); }

enum class OpenResult { Opened, Failed, Foreign };

OpenResult OpenLog(const std::wstring& path, FileHandle& file, bool& isNew) {
    if (!FileOpenExclusive(path, file)) return OpenResult::Failed;
    std::uint64_t size = 0;
    if (!FileGetSize(file, size)) {
        FileClose(file);
        return OpenResult::Failed;
    }
    isNew = size == 0;
    if (isNew) return OpenResult::Opened;
    unsigned char first[2] = {};
    std::uint32_t got = 0;
    const bool read = FileReadStart(file, first, 2, got) && got == 2;
    if (!read || (first[0] == 0xFF && first[1] == 0xFE)) return OpenResult::Opened;
    FileClose(file);
    return OpenResult::Foreign;
}

}  // namespace

std::wstring LogFileHeader() {
    return L"\xFEFFProcess identifier,  time,  monitorname,  command,  or some other information\r\n\r\n";
}

std::wstring FormatLogLine(std::uint32_t processId, const LocalTime& time, bool duplicateMode,
                           std::uint32_t deviceId, const std::wstring& monitorName,
                           const wchar_t* text, std::int32_t outcome, const wchar_t* extraText) {
    std::wstring line;
    line.reserve(9000);
    AppendField(line, Hex8(processId));
    wchar_t stamp[32];
    std::swprintf(stamp, 32, L"%02d:%02d:%02d:%04d  ", time.hour, time.minute, time.second, time.milliseconds);
    AppendField(line, stamp);
    if (duplicateMode && deviceId != static_cast<std::uint32_t>(-1)) AppendField(line, Hex8(deviceId));
    if (!monitorName.empty()) AppendField(line, monitorName + L"  ");
    if (text != nullptr) {
        if (outcome == -1) AppendField(line, std::wstring(text) + L"  ");
        if (outcome == 1) AppendField(line, std::wstring(text) + L" SUCCESS  ");
        if (outcome == 0) AppendField(line, std::wstring(text) + L" ERROR  ");
    }
    if (extraText != nullptr) line.append(extraText, std::min(std::wcslen(extraText), kExtraLimit));
    line += L"\r\n";
    return line;
}

std::string EncodeUtf16Le(const std::wstring& text) {
    std::string bytes;
    bytes.reserve(text.size() * 2);
    auto put = [&bytes](std::uint32_t unit) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>((unit >> 8) & 0xFF));
    };
    for (const wchar_t c : text) {
        const auto code = static_cast<std::uint32_t>(c);
        if (code > 0xFFFF) {
            put(0xD800 + ((code - 0x10000) >> 10));
            put(0xDC00 + ((code - 0x10000) & 0x3FF));
        } else {
            put(code);
        }
    }
    return bytes;
}

std::wstring LogAsideName(const std::wstring& path, int number) {
    wchar_t digits[8];
    std::swprintf(digits, 8, L"%03d", number);
    const std::size_t slash = path.find_last_of(L"\\/");
    const std::size_t dot = path.rfind(L'.');
    const bool hasExtension = dot != std::wstring::npos && (slash == std::wstring::npos || dot > slash);
    return (hasExtension ? path.substr(0, dot + 1) : path + L".") + digits;
}

std::wstring MoveAsideNumbered(const std::wstring& path, int numbers) {
    for (int number = 0; number < numbers; ++number) {
        const std::wstring aside = LogAsideName(path, number);
        if (FileExists(aside)) continue;
        return FileMove(path, aside) ? aside : std::wstring();
    }
    return {};
}

std::int32_t LogEvent(std::uint32_t deviceId, std::int32_t monitorIndex, const wchar_t* text,
                      std::int32_t outcome, const wchar_t* extraText) {
    if (!g_settings.logfileflag) return outcome;
    const std::wstring path = LogPath();
    if (path.empty()) return outcome;

    for (int attempt = 0; attempt < 2; ++attempt) {
        const LocalTime now = ClockLocalTime();
        FileHandle file = kNoFile;
        bool isNew = false;
        const OpenResult opened = OpenLog(path, file, isNew);
        if (opened == OpenResult::Failed) return outcome;
        if (opened == OpenResult::Foreign) {
            if (!MoveForeignFileAside(path)) return outcome;
            continue;
        }
        std::wstring name;
        if (monitorIndex >= 0 && monitorIndex < kLoggedMonitors) name = g_monitorNames[static_cast<std::size_t>(monitorIndex)];
        std::wstring buffer = isNew ? LogFileHeader() : std::wstring();
        buffer += FormatLogLine(ProcessCurrentId(), now, g_duplicateMode, deviceId, name, text, outcome, extraText);
        const std::string bytes = EncodeUtf16Le(buffer);
        FileAppend(file, bytes.data(), static_cast<std::uint32_t>(bytes.size()));
        FileClose(file);
        return outcome;
    }
    return outcome;
}

bool LogFailureCause(bool ok, const wchar_t* operation, const std::wstring& object, std::uint32_t error) {
    if (ok) return true;
    wchar_t code[32];
    std::swprintf(code, 32, L"  error 0x%08X", error);
    LogEvent(static_cast<std::uint32_t>(-1), -1, operation, 0, (object + code).c_str());
    return false;
}

void LogSetMonitorName(std::int32_t monitorIndex, const std::wstring& name) {
    if (monitorIndex >= 0 && monitorIndex < kLoggedMonitors) g_monitorNames[static_cast<std::size_t>(monitorIndex)] = name;
}

void LogSetDuplicateMode(bool duplicateMode) { g_duplicateMode = duplicateMode; }
