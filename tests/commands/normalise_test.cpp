#include "commands/normalise.h"

#include <gtest/gtest.h>

namespace {

std::wstring Repeat(std::size_t count, wchar_t c) { return std::wstring(count, c); }

TEST(NormaliseCommandLine, PreparesTextTheWayTheInterpreterExpects) {
    const std::pair<std::wstring, std::wstring> cases[] = {
        {L"Dell 'U 2415' b+10", L"dell 'u2415' b+10"},
        {L"\"HP w 2207\" c 40", L"\"hpw2207\" c 40"},
        {L"'a \"b c' d e", L"'a\"bc' d e"},  // the other quote kind does not close
        {L"'open quote runs to the end", L"'openquoterunstotheend"},
        {L";b 10", L" b 10"},
        {L",b 10", L" b 10"},
        {L"b 10;c 20", L"b 10 ; c 20"},
        {L"b 10 ; c 20", L"b 10 ; c 20"},  // idempotent: no doubled blanks
        {L"b 10,,c 20", L"b 10 , , c 20"},
        {L"b 10;", L"b 10 ; "},
        {L"'a;b' c", L"'a;b' c"},  // inside quotes nothing is inserted
        {L"B + 10 GET_VCP 0X10", L"b + 10 get_vcp 0x10"},
        {L"\u00C4\u00D6\u00DC\u00D7", L"\u00E4\u00F6\u00FC\u00D7"},  // Latin-1 capitals, not the sign
        {L"", L""},
        // Long lines are cut before the token that crosses character 259.
        {Repeat(255, L'x') + L" b 100", Repeat(255, L'x') + L" b"},
        {Repeat(258, L'y') + L" b", Repeat(258, L'y')},
        {Repeat(254, L'z') + L" b 10", Repeat(254, L'z') + L" b 10"},
        {Repeat(255, L'w') + L" b 1 c 5", Repeat(255, L'w') + L" b 1"},
        {Repeat(400, L'q'), Repeat(259, L'q')},
    };
    for (const auto& [input, expected] : cases) EXPECT_EQ(NormaliseCommandLine(input), expected) << input;

    const std::wstring pauses = NormaliseCommandLine(Repeat(2000, L';'));
    EXPECT_LT(pauses.size(), kCommandBufferChars);
    EXPECT_EQ(pauses.substr(0, 6), L" ; ; ;");
}

TEST(ShellEscape, RecognisesTheMarkAfterAtMostThreeSpaces) {
    const std::pair<const wchar_t*, bool> cases[] = {
        {L"!notepad", true}, {L"   !notepad", true}, {L"    !notepad", false}, {L"b 10 !x", false},
        {L"\t!notepad", false}, {L"", false}, {L"   ", false},
    };
    for (const auto& [line, escape] : cases) EXPECT_EQ(IsShellEscape(line), escape) << line;
    EXPECT_EQ(ShellEscapeCommand(L"  !start \"\" calc!"), L"start \"\" calc!");
    EXPECT_EQ(ShellEscapeCommand(L"!"), L"");
}

}  // namespace
