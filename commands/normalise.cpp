#include "commands/normalise.h"

namespace {

bool IsQuote(wchar_t c) { return c == L'"' || c == L'\''; }
bool IsPause(wchar_t c) { return c == L';' || c == L','; }

// ASCII and Latin-1 capitals only: the result must not depend on the process locale.
wchar_t LowerCase(wchar_t c) {
    if (c >= L'A' && c <= L'Z') return static_cast<wchar_t>(c + 32);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<wchar_t>(c + 32);
    return c;
}

std::wstring_view CutToMaximum(std::wstring_view text) {
    if (text.size() <= kCommandLineMaxChars) return text;
    const std::wstring_view window = text.substr(0, kCommandLineMaxChars);
    // A blank right after the window means the window already ends on a token boundary.
    if (text[kCommandLineMaxChars] == L' ') return window;
    const std::size_t blank = window.find_last_of(L' ');
    if (blank == std::wstring_view::npos || blank == 0) return window;
    return window.substr(0, blank);
}

}  // namespace

std::wstring NormaliseCommandLine(std::wstring_view text) {
    const std::wstring_view line = CutToMaximum(text);
    std::wstring out;
    out.reserve(line.size() * 3);
    wchar_t openQuote = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const wchar_t c = line[i];
        if (openQuote != 0) {
            if (c == openQuote) openQuote = 0;
            if (c != L' ') out += LowerCase(c);
            continue;
        }
        if (IsQuote(c)) {
            openQuote = c;
            out += c;
            continue;
        }
        if (i == 0 && IsPause(c)) {
            out += L' ';
            continue;
        }
        if (IsPause(c)) {
            if (out.empty() || out.back() != L' ') out += L' ';
            out += c;
            if (i + 1 == line.size() || line[i + 1] != L' ') out += L' ';
            continue;
        }
        out += LowerCase(c);
    }
    return out;
}

bool IsShellEscape(std::wstring_view text) {
    for (std::size_t i = 0; i < text.size() && i <= 3; ++i) {
        if (text[i] == L'!') return true;
        if (text[i] != L' ') return false;
    }
    return false;
}

std::wstring ShellEscapeCommand(std::wstring_view text) {
    const std::size_t mark = text.find(L'!');
    if (mark == std::wstring_view::npos) return {};
    return std::wstring(text.substr(mark + 1));
}
