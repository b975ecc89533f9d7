#include "app/forwarding.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

std::vector<unsigned char> BlockBytes(std::wstring_view text) {
    const ForwardedBlock block = MakeForwardedBlock(text);
    std::vector<unsigned char> bytes(kForwardedBlockBytes);
    std::memcpy(bytes.data(), block.data(), kForwardedBlockBytes);
    return bytes;
}

TEST(ForwardedBlock, RoundTripsALineWithItsOrigin) {
    const auto bytes = BlockBytes(L"dell b 50 ; c 20");
    ForwardedLine line;
    ASSERT_TRUE(ReadForwardedBlock(0x1234, kForwardedBlockBytes, bytes.data(), line));
    EXPECT_EQ(line.origin, 0x1234u);
    EXPECT_EQ(line.text, L"dell b 50 ; c 20");
}

TEST(ForwardedBlock, RejectsAnythingButAFullBlock) {
    const auto bytes = BlockBytes(L"b 10");
    ForwardedLine line{7, L"unchanged"};
    for (const std::uint32_t size : {0u, 2u, 2046u, 2047u, 2049u, 4096u})
        EXPECT_FALSE(ReadForwardedBlock(0, size, bytes.data(), line)) << size;
    EXPECT_FALSE(ReadForwardedBlock(0, kForwardedBlockBytes, nullptr, line));
    if constexpr (sizeof(std::uintptr_t) > 4) {
        EXPECT_FALSE(ReadForwardedBlock(std::uintptr_t{1} << 32, kForwardedBlockBytes, bytes.data(), line));
    }
    EXPECT_EQ(line.origin, 7u);
    EXPECT_EQ(line.text, L"unchanged");
}

TEST(ForwardedBlock, TerminatesTextThatTheSenderLeftOpen) {
    std::vector<unsigned char> bytes(kForwardedBlockBytes, 'a');  // 0x6161 in every unit, no NUL
    ForwardedLine line;
    ASSERT_TRUE(ReadForwardedBlock(5, kForwardedBlockBytes, bytes.data(), line));
    EXPECT_EQ(line.text, std::wstring(kForwardedBlockChars - 1, static_cast<wchar_t>(0x6161)));

    const ForwardedBlock cut = MakeForwardedBlock(std::wstring(3000, L'x'));
    EXPECT_EQ(cut[kForwardedBlockChars - 2], u'x');
    EXPECT_EQ(cut.back(), 0);
}

TEST(ForwardingRules, ReplyOnlyToAWaitingOtherThread) {
    const std::uint32_t own = 4242;
    EXPECT_FALSE(ShouldReplyTo(kOriginStartup, own));
    EXPECT_FALSE(ShouldReplyTo(kOriginInternal, own));
    EXPECT_FALSE(ShouldReplyTo(kOriginInternalPosted, own));
    EXPECT_FALSE(ShouldReplyTo(own, own));
    EXPECT_TRUE(ShouldReplyTo(4, own));
    EXPECT_TRUE(ShouldReplyTo(9000, own));

    EXPECT_FALSE(ShouldExecuteLine(kOriginStartup, false));
    EXPECT_TRUE(ShouldExecuteLine(kOriginStartup, true));
    EXPECT_TRUE(ShouldExecuteLine(kOriginInternal, false));
    EXPECT_TRUE(ShouldExecuteLine(9000, false));
}

TEST(LineOutcome, ExitCodeFollowsWhatTheLineAskedFor) {
    MonitorTable monitors;
    monitors.selectedMonitor = 2;
    monitors.entries[2].getResultCopy = 71;

    InterpreterFlags flags;
    flags.errorLevelValue = 33;  // left over from an earlier line
    EXPECT_EQ(TakeLineOutcome(flags, monitors).exitCode, 0);
    EXPECT_FALSE(TakeLineOutcome(flags, monitors).valueQueried);

    flags.errorLevelRequested = 1;
    EXPECT_EQ(TakeLineOutcome(flags, monitors).exitCode, 33);
    flags.getVcpErrorLevel = 1;
    EXPECT_EQ(TakeLineOutcome(flags, monitors).exitCode, 71);
    EXPECT_TRUE(RestartAfterLine(kOriginStartup, TakeLineOutcome(flags, monitors)));
    EXPECT_FALSE(RestartAfterLine(5000, TakeLineOutcome(flags, monitors)));

    monitors.selectedMonitor = kMonitorCount;
    EXPECT_EQ(TakeLineOutcome(flags, monitors).exitCode, 0);
}

}  // namespace
