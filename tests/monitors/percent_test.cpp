#include "monitors/percent.h"

#include <gtest/gtest.h>

TEST(MulDiv, RoundsHalfAwayFromZeroWithA64BitProduct) {
    EXPECT_EQ(MulDiv(1, 1, 2), 1);     // 0.5 -> 1
    EXPECT_EQ(MulDiv(-1, 1, 2), -1);   // -0.5 -> -1
    EXPECT_EQ(MulDiv(1, 1, 3), 0);
    EXPECT_EQ(MulDiv(2, 1, 3), 1);
    EXPECT_EQ(MulDiv(1, -1, 2), -1);
    EXPECT_EQ(MulDiv(100000, 100000, 100000), 100000);  // product overflows 32 bits
    EXPECT_EQ(MulDiv(5, 5, 0), -1);
}

TEST(PercentConversion, MapsBetweenRawRangeAndScale) {
    EXPECT_EQ(ScaledToRaw(50, 0, 100), 50);
    EXPECT_EQ(ScaledToRaw(80, 20, 150), 124);   // 80 * 130 / 100 = 104 + 20
    EXPECT_EQ(RawToScaled(124, 20, 150), 80);
    EXPECT_EQ(RawToScaled(37, 0, 74), 50);
    EXPECT_EQ(ScaledToRaw(128, 0, 63, 255), 32);  // 15.8 -> 16? 128*63/255 = 31.6 -> 32
}
