#include <gtest/gtest.h>

#include "platform/display_config.h"

namespace {

TEST(DisplayConfig, FindsTheMonitorBehindADisplayDevice) {
    DisplayTarget target;
    ASSERT_TRUE(DisplayConfigFindTarget(L"\\\\.\\display1", target));
    EXPECT_EQ(target.devicePath.rfind(L"\\\\?\\DISPLAY#", 0), 0u);

    DisplayTarget untouched;
    untouched.friendlyName = L"kept";
    EXPECT_FALSE(DisplayConfigFindTarget(L"\\\\.\\DISPLAY9", untouched));
    EXPECT_EQ(untouched.friendlyName, L"kept");
}

}  // namespace
