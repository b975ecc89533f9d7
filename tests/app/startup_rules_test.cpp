#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/midnight_guard.h"
#include "app/older_versions.h"
#include "app/pending_line.h"
#include "commands/normalise.h"
#include "testing/fakes/clock_fake.h"

namespace {

TEST(OlderVersions, FiftyDistinctClassesInSearchOrder) {
    EXPECT_STREQ(kLegacyWindowClasses.front(), L"lumistrandDCCclass");
    EXPECT_STREQ(kLegacyWindowClasses[1], L"lumistrandDCCclass15");
    EXPECT_STREQ(kLegacyWindowClasses[3], L"Lumistrand class 1.7");
    EXPECT_STREQ(kLegacyWindowClasses[4], L"Lumistrand class 2.6");
    EXPECT_STREQ(kLegacyWindowClasses[41], L"Lumistrand class 6.3");
    EXPECT_STREQ(kLegacyWindowClasses.back(), L"Lumistrand class 7.1");
    std::set<std::wstring> distinct(kLegacyWindowClasses.begin(), kLegacyWindowClasses.end());
    EXPECT_EQ(distinct.size(), 50u);
    EXPECT_EQ(distinct.count(L"Lumistrand class 7.2"), 0u);  // never our own class
}

struct MidnightCase {
    std::uint16_t hour, minute, second;
    std::uint64_t expectedWaitMs;
};

TEST(MidnightGuard, WaitsOutTheFirstMinuteOfTheDayAtMostOnce) {
    const MidnightCase cases[] = {
        {12, 0, 0, 0},      // noon: nothing to wait for
        {23, 59, 59, 0},
        {0, 1, 0, 0},
        {0, 0, 58, 5000},   // one pause reaches 00:01:03
        {0, 0, 0, 60000},   // twelve pauses reach 00:01:00
    };
    for (const auto& c : cases) {
        FakeClockReset();
        ASSERT_TRUE(FakeClockSetLocalTime({2026, 3, 0, 14, c.hour, c.minute, c.second, 0}));
        const LocalTime after = WaitWhileMidnight();
        EXPECT_EQ(FakeClockSleptMilliseconds(), c.expectedWaitMs) << c.hour << ":" << c.minute << ":" << c.second;
        EXPECT_FALSE(after.hour == 0 && after.minute == 0);
    }
}

TEST(PendingLine, IsCutAndTerminated) {
    SetPendingLine(std::wstring(5000, L'b'));
    EXPECT_EQ(std::wstring(PendingLine()), std::wstring(kCommandBufferChars - 1, L'b'));
    SetPendingLine(L"c 5");
    EXPECT_EQ(std::wstring(PendingLine()), L"c 5");
    EXPECT_EQ(PendingLine()[4], L'\0');
}

}  // namespace
