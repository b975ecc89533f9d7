// The optional event log: one UTF-16 line per call, written only while logging is on.
#pragma once
#include <cstdint>

inline constexpr std::int32_t kLogNoOutcome = -1;

// Returns outcome unchanged in every case, so an operation and its log line can be one expression.
// deviceId -1 and monitorIndex -1 mean none; text and extraText may be null.
std::int32_t LogEvent(std::uint32_t deviceId, std::int32_t monitorIndex, const wchar_t* text,
                      std::int32_t outcome, const wchar_t* extraText);
