// The optional event log: one UTF-16 line per call, written only while logging is on.
#pragma once
#include <cstdint>
#include <string>

#include "platform/clock.h"

inline constexpr std::int32_t kLogNoOutcome = -1;
// As many monitors as the monitor table holds.
inline constexpr std::int32_t kLoggedMonitors = 10;

// Returns outcome unchanged in every case, so an operation and its log line can be one expression.
// deviceId -1 and monitorIndex -1 mean none; text and extraText may be null.
std::int32_t LogEvent(std::uint32_t deviceId, std::int32_t monitorIndex, const wchar_t* text,
                      std::int32_t outcome, const wchar_t* extraText);

// For a failed operation: logs operation with ERROR, the object it failed on and the
// system's error code ("C:\\x  error 0x00000005"). Returns ok, as LogEvent returns the outcome.
bool LogFailureCause(bool ok, const wchar_t* operation, const std::wstring& object, std::uint32_t error);

// Discovery tells the log each monitor's display name and whether the displays are
// duplicated (then lines carry the caller's device id).
void LogSetMonitorName(std::int32_t monitorIndex, const std::wstring& name);
void LogSetDuplicateMode(bool duplicateMode);

// The line as written, CR LF included. monitorName is the display name of the caller's monitor
// (empty when it gave none); deviceId is written only when duplicateMode is set.
std::wstring FormatLogLine(std::uint32_t processId, const LocalTime& time, bool duplicateMode,
                           std::uint32_t deviceId, const std::wstring& monitorName,
                           const wchar_t* text, std::int32_t outcome, const wchar_t* extraText);

// Byte-order mark and header that start a new log file.
std::wstring LogFileHeader();

// UTF-16 little-endian bytes of text, whatever the width of wchar_t.
std::string EncodeUtf16Le(const std::wstring& text);

// Name under which a foreign file at the log path is kept: its extension replaced by a
// three-digit number (000..999), or the number appended when there is no extension.
std::wstring LogAsideName(const std::wstring& path, int number);
// Moves the file to the first of its LogAsideName names 0..numbers-1 that does not exist yet;
// the name it went to, or empty when it stayed where it was.
std::wstring MoveAsideNumbered(const std::wstring& path, int numbers);
