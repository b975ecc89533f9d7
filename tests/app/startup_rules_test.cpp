#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/midnight_guard.h"
#include "app/restart_marker.h"
#include "testing/fakes/clock_fake.h"
#include "testing/fakes/shell_fake.h"

namespace {

TEST(MidnightGuard, WaitsOutTheFirstMinuteOfTheDayAtMostOnce) {
    const struct {
        std::uint16_t hour, minute, second;
        std::uint64_t expectedWaitMs;
    } cases[] = {
        {12, 0, 0, 0}, {23, 59, 59, 0}, {0, 1, 0, 0},
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

TEST(RestartMarker, IsTakenOnceAndTheFolderTidied) {
    const auto folder = FakeShellFreshRoamingFolder() / "Lumistrand";
    ASSERT_TRUE(MarkHiddenRestart(true));
    std::ofstream(folder / "Lumistrand.bat") << "obsolete";
    EXPECT_TRUE(TakeHiddenRestartMarker());
    EXPECT_FALSE(std::filesystem::exists(folder));  // marker and batch gone, folder empty
    EXPECT_FALSE(TakeHiddenRestartMarker());

    ASSERT_TRUE(MarkHiddenRestart(true));
    ASSERT_TRUE(MarkHiddenRestart(false));
    std::ofstream(folder / "Lumistrand.txt") << "log";
    EXPECT_FALSE(TakeHiddenRestartMarker());
    EXPECT_TRUE(std::filesystem::exists(folder / "Lumistrand.txt"));  // a folder in use stays
}

}  // namespace
