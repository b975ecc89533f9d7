// The batch files' paths in the real ANSI code page: a character it lacks is "?", never a look-alike.
#include <gtest/gtest.h>

#include "platform/shell.h"

TEST(ShellAnsiText, CharactersTheCodePageLacksBecomeQuestionMarks) {
    EXPECT_EQ(ShellAnsiText(L"C:\\\u00E4\u4E2D\uFF02\uFF05.exe", 64), "C:\\\xE4???.exe");
}
