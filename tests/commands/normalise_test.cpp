#include "commands/normalise.h"

#include <gtest/gtest.h>

namespace {

struct NormaliseCase {
    const wchar_t* input;
    const wchar_t* expected;
};

TEST(NormaliseCommandLine, PreparesTextTheWayTheInterpreterExpects) {
    const NormaliseCase cases[] = {
        {L"Dell 'U 2415' b+10", L"dell 'u2415' b+10"},
        {L"\"HP w 2207\" c 40", L"\"hpw2207\" c 40"},
        {L"'a \"b c' d e", L"'a\"bc' d e"},                 // the other quote kind does not close
        {L"'open quote runs to the end", L"'openquoterunstotheend"},
        {L";b 10", L" b 10"},
        {L",b 10", L" b 10"},
        {L"b 10;c 20", L"b 10 ; c 20"},
        {L"b 10 ; c 20", L"b 10 ; c 20"},                   // idempotent: no doubled blanks
        {L"b 10,,c 20", L"b 10 , , c 20"},
        {L"b 10;", L"b 10 ; "},
        {L"'a;b' c", L"'a;b' c"},                           // inside quotes nothing is inserted
        {L"B + 10 GET_VCP 0X10", L"b + 10 get_vcp 0x10"},
        {L"\u00C4\u00D6\u00DC\u00D7", L"\u00E4\u00F6\u00FC\u00D7"},  // Latin-1 capitals, not the sign
        {L"", L""},
    };
    for (const auto& c : cases) EXPECT_EQ(NormaliseCommandLine(c.input), c.expected) << c.input;
}

TEST(NormaliseCommandLine, LongLinesAreCutBeforeTheTokenThatCrossesTheLimit) {
    // 255 characters of filler, then "b 100": the number would straddle character 259.
    const std::wstring filler(255, L'x');
    EXPECT_EQ(NormaliseCommandLine(filler + L" b 100"), filler + L" b");

    const std::wstring exact = std::wstring(258, L'y') + L" b";  // 260 characters
    EXPECT_EQ(NormaliseCommandLine(exact), std::wstring(258, L'y'));

    const std::wstring fits = std::wstring(254, L'z') + L" b 10";  // 259 characters
    EXPECT_EQ(NormaliseCommandLine(fits), fits);

    const std::wstring endsOnBoundary = std::wstring(255, L'w') + L" b 1" + L" c 5";  // token ends at 259
    EXPECT_EQ(NormaliseCommandLine(endsOnBoundary), std::wstring(255, L'w') + L" b 1");

    const std::wstring noBlank(400, L'q');
    EXPECT_EQ(NormaliseCommandLine(noBlank), std::wstring(259, L'q'));
}

TEST(NormaliseCommandLine, PausesNeverOverflowTheBuffer) {
    const std::wstring pauses(2000, L';');
    const std::wstring out = NormaliseCommandLine(pauses);
    EXPECT_LT(out.size(), kCommandBufferChars);
    EXPECT_EQ(out.substr(0, 6), L" ; ; ;");
}

TEST(ShellEscape, RecognisesTheMarkAfterAtMostThreeSpaces) {
    const struct {
        const wchar_t* line;
        bool escape;
    } cases[] = {
        {L"!notepad", true},   {L"   !notepad", true}, {L"    !notepad", false},
        {L"b 10 !x", false},   {L"\t!notepad", false}, {L"", false},
        {L"   ", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsShellEscape(c.line), c.escape) << c.line;

    EXPECT_EQ(ShellEscapeCommand(L"  !start \"\" calc!"), L"start \"\" calc!");
    EXPECT_EQ(ShellEscapeCommand(L"!"), L"");
}

}  // namespace
