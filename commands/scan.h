// Reading numbers and tokens from a command line. Every reader stops at the line's NUL and
// never looks past it.
#pragma once
#include <cstdint>
#include <string>

enum class Sign { None, Plus, Minus };

struct NumberArgument {
    std::uint32_t value = 0;  // saturates at 0x7FFFFFFF: larger digit runs are never valid values
    Sign sign = Sign::None;
};

// Skips to the first decimal digit, remembering the last "+" or "-" on the way, and reads
// the digits. False (p at the NUL) when the line ends first.
bool ReadNumberArgument(const wchar_t*& p, NumberArgument& number);
// Skips to the first hexadecimal digit and reads a hexadecimal number; a "0x" before the
// digits is accepted. False when the line ends first.
bool ReadHexNumber(const wchar_t*& p, std::uint32_t& value);
// The characters from p up to the next blank or NUL, at most maxChars of them.
std::wstring ReadToken(const wchar_t* p, std::size_t maxChars);
// Case-insensitive prefix test; the line itself may end before text does.
bool StartsWithNoCase(const wchar_t* p, const wchar_t* text);
std::wstring ToLower(std::wstring text);
