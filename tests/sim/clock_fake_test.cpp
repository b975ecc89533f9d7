#include "testing/fakes/clock_fake.h"

#include <gtest/gtest.h>

#include "testing/fakes/main_window_fake.h"

namespace {

class VirtualClockTest : public ::testing::Test {
protected:
    void SetUp() override { FakeClockReset(); }
};

TEST_F(VirtualClockTest, SleepAdvancesTickAndLocalTimeWithoutWaiting) {
    const LocalTime start = ClockLocalTime();
    EXPECT_EQ(start.year, 2026);
    EXPECT_EQ(start.hour, 12);
    EXPECT_EQ(start.dayOfWeek, 4);  // Thursday

    ClockSleep(1500);
    ClockSleep(250);
    EXPECT_EQ(ClockTickCount(), 1750u);
    EXPECT_EQ(FakeClockSleptMilliseconds(), 1750u);
    EXPECT_EQ(FakeClockSleepCalls(), 2u);
    const LocalTime later = ClockLocalTime();
    EXPECT_EQ(later.second, 1);
    EXPECT_EQ(later.milliseconds, 750);
}

TEST_F(VirtualClockTest, TickCountWrapsButLocalTimeKeepsGoing) {
    FakeClockSetTickCount(0xFFFFFF00u);
    ClockSleep(0x200);
    EXPECT_EQ(ClockTickCount(), 0x100u);
    // Elapsed time computed the way callers do stays right across the wrap.
    EXPECT_EQ(ClockTickCount() - 0xFFFFFF00u, 0x200u);
    EXPECT_EQ(ClockLocalTime().milliseconds, 512);
}

TEST_F(VirtualClockTest, LocalTimeCrossesCalendarBoundaries) {
    struct Case {
        LocalTime start;
        std::uint64_t advance;
        LocalTime expected;  // year, month, dayOfWeek, day, hour, minute, second
    };
    const Case cases[] = {
        {{2028, 2, 0, 28, 23, 59, 59, 0}, 1000, {2028, 2, 2, 29, 0, 0, 0, 0}},   // leap day, Tuesday
        {{2027, 2, 0, 28, 23, 59, 59, 0}, 1000, {2027, 3, 1, 1, 0, 0, 0, 0}},    // no leap day, Monday
        {{2026, 12, 0, 31, 23, 0, 0, 0}, 3600000, {2027, 1, 5, 1, 0, 0, 0, 0}},  // new year, Friday
        {{2026, 6, 0, 7, 10, 0, 0, 0}, 7 * 86400000ull, {2026, 6, 0, 14, 10, 0, 0, 0}},  // Sunday
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(FakeClockSetLocalTime(c.start));
        FakeClockAdvance(c.advance);
        const LocalTime t = ClockLocalTime();
        SCOPED_TRACE(testing::Message() << c.start.year << "-" << c.start.month << "-" << c.start.day);
        EXPECT_EQ(t.year, c.expected.year);
        EXPECT_EQ(t.month, c.expected.month);
        EXPECT_EQ(t.day, c.expected.day);
        EXPECT_EQ(t.dayOfWeek, c.expected.dayOfWeek);
        EXPECT_EQ(t.hour, c.expected.hour);
        EXPECT_EQ(t.minute, c.expected.minute);
        EXPECT_EQ(t.second, c.expected.second);
    }
}

TEST_F(VirtualClockTest, RejectsTimesThatDoNotExist) {
    const LocalTime before = ClockLocalTime();
    EXPECT_FALSE(FakeClockSetLocalTime({2027, 2, 0, 29, 12, 0, 0, 0}));
    EXPECT_FALSE(FakeClockSetLocalTime({2026, 13, 0, 1, 12, 0, 0, 0}));
    EXPECT_FALSE(FakeClockSetLocalTime({2026, 1, 0, 1, 24, 0, 0, 0}));
    EXPECT_EQ(ClockLocalTime().day, before.day);
    EXPECT_EQ(ClockLocalTime().hour, before.hour);
}

TEST(MainWindowFakeTest, TracksTimersAndCommandsInOrder) {
    FakeMainWindowReset();
    MainWindowSetTimer(0x0A, 5000);
    MainWindowSetTimer(0x0A, 100);  // re-arming replaces the interval
    MainWindowSetTimer(0x45, 10000);
    MainWindowPostCommand(40072, 0);
    MainWindowKillTimer(0x45);
    MainWindowKillTimer(0x99);  // never set: recorded, harmless
    MainWindowPostCommand(40074, 3);

    ASSERT_EQ(FakeMainWindowCalls().size(), 7u);
    EXPECT_EQ(FakeMainWindowCalls()[4].kind, MainWindowCallKind::KillTimer);
    EXPECT_EQ(FakeMainWindowActiveTimers().size(), 1u);
    EXPECT_EQ(FakeMainWindowActiveTimers().at(0x0A), 100u);
    EXPECT_FALSE(FakeMainWindowTimerActive(0x45));

    const auto taken = FakeMainWindowTakePostedCommands();
    ASSERT_EQ(taken.size(), 2u);
    EXPECT_EQ(taken[1].commandId, 40074u);
    EXPECT_EQ(taken[1].lParam, 3);
    EXPECT_TRUE(FakeMainWindowTakePostedCommands().empty());
    EXPECT_EQ(FakeMainWindowPostedCommands().size(), 2u);  // the history stays

    FakeMainWindowReset();
    EXPECT_TRUE(FakeMainWindowCalls().empty());
    EXPECT_TRUE(FakeMainWindowActiveTimers().empty());
}

}  // namespace
