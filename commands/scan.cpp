#include "commands/scan.h"

#include <cwctype>

namespace {

constexpr std::uint32_t kNumberLimit = 0x7FFFFFFF;

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

int HexValue(wchar_t c) {
    if (IsDigit(c)) return c - L'0';
    if (c >= L'a' && c <= L'f') return c - L'a' + 10;
    if (c >= L'A' && c <= L'F') return c - L'A' + 10;
    return -1;
}

wchar_t Lower(wchar_t c) { return static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c))); }

}  // namespace

bool ReadNumberArgument(const wchar_t*& p, NumberArgument& number) {
    number = {};
    while (*p != L'\0' && !IsDigit(*p)) {
        if (*p == L'+') number.sign = Sign::Plus;
        if (*p == L'-') number.sign = Sign::Minus;
        ++p;
    }
    if (*p == L'\0') return false;
    std::uint64_t value = 0;
    for (; IsDigit(*p); ++p) {
        value = value * 10 + static_cast<std::uint64_t>(*p - L'0');
        if (value > kNumberLimit) value = kNumberLimit;
    }
    number.value = static_cast<std::uint32_t>(value);
    return true;
}

bool ReadHexNumber(const wchar_t*& p, std::uint32_t& value) {
    while (*p != L'\0' && HexValue(*p) < 0) ++p;
    if (*p == L'\0') return false;
    if (p[0] == L'0' && (p[1] == L'x' || p[1] == L'X') && HexValue(p[2]) >= 0) p += 2;
    std::uint64_t result = 0;
    for (int digit = HexValue(*p); digit >= 0; digit = HexValue(*++p)) {
        result = result * 16 + static_cast<std::uint64_t>(digit);
        if (result > kNumberLimit) result = kNumberLimit;
    }
    value = static_cast<std::uint32_t>(result);
    return true;
}

std::wstring ReadToken(const wchar_t* p, std::size_t maxChars) {
    std::wstring token;
    for (; *p != L'\0' && *p != L' ' && token.size() < maxChars; ++p) token += *p;
    return token;
}

bool StartsWithNoCase(const wchar_t* p, const wchar_t* text) {
    for (; *text != L'\0'; ++p, ++text) {
        if (*p == L'\0' || Lower(*p) != Lower(*text)) return false;
    }
    return true;
}

std::wstring ToLower(std::wstring text) {
    for (wchar_t& c : text) c = Lower(c);
    return text;
}
