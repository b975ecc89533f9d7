#include "app/forwarding.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <vector>

#include "app/exit_path.h"
#include "app/pending_line.h"
#include "app/start_facts.h"
#include "app/submit.h"
#include "commands/normalise.h"
#include "platform/main_window.h"
#include "res/resource.h"
#include "testing/fakes/files_fake.h"
#include "testing/fakes/instance_fake.h"
#include "testing/fakes/main_window_fake.h"
#include "testing/fakes/shell_fake.h"
#include "testing/file_text.h"
#include "testing/program_state.h"

namespace {

TEST(ForwardedBlock, OnlyAFullBlockIsReadAndItsTextIsAlwaysTerminated) {
    const ForwardedBlock block = MakeForwardedBlock(L"dell b 50 ; c 20");
    ForwardedLine line;
    ASSERT_TRUE(ReadForwardedBlock(0x1234, kForwardedBlockBytes, block.data(), line));
    EXPECT_EQ(line.origin, 0x1234u);
    EXPECT_EQ(line.text, L"dell b 50 ; c 20");

    line = ForwardedLine{7, L"unchanged"};
    for (const std::uint32_t size : {0u, 2047u, 2049u}) EXPECT_FALSE(ReadForwardedBlock(0, size, block.data(), line)) << size;
    EXPECT_FALSE(ReadForwardedBlock(0, kForwardedBlockBytes, nullptr, line));
    if constexpr (sizeof(std::uintptr_t) > 4) {
        EXPECT_FALSE(ReadForwardedBlock(std::uintptr_t{1} << 32, kForwardedBlockBytes, block.data(), line));
    }
    EXPECT_EQ(std::pair(line.origin, line.text), std::pair(7u, std::wstring(L"unchanged")));

    const std::vector<unsigned char> open(kForwardedBlockBytes, 'a');  // 0x6161 in every unit, no NUL
    ASSERT_TRUE(ReadForwardedBlock(5, kForwardedBlockBytes, open.data(), line));
    EXPECT_EQ(line.text, std::wstring(kForwardedBlockChars - 1, static_cast<wchar_t>(0x6161)));
    const ForwardedBlock cut = MakeForwardedBlock(std::wstring(3000, L'x'));
    EXPECT_EQ(cut[kForwardedBlockChars - 2], u'x');
    EXPECT_EQ(cut.back(), 0);
}

TEST(ForwardingRules, RepliesGoToAWaitingOtherThreadExitCodesFollowTheQueryAndTheStartUpLineNeedsArguments) {
    const std::uint32_t own = 4242;
    for (const std::uint32_t origin : {kOriginStartup, kOriginInternal, kOriginInternalPosted, own}) {
        EXPECT_FALSE(ShouldReplyTo(origin, own)) << origin;
    }

    MonitorTable monitors;
    monitors.selectedMonitor = 2;
    monitors.entries[2].getResultCopy = 71;
    InterpreterFlags flags;
    flags.errorLevelValue = 33;  // left over from an earlier line
    EXPECT_EQ(TakeLineOutcome(flags, monitors).exitCode, 0);
    flags.errorLevelRequested = 1;
    EXPECT_EQ(TakeLineOutcome(flags, monitors).exitCode, 33);
    flags.getVcpErrorLevel = 1;
    EXPECT_EQ(TakeLineOutcome(flags, monitors).exitCode, 71);
    monitors.selectedMonitor = kMonitorCount;
    EXPECT_EQ(TakeLineOutcome(flags, monitors).exitCode, 0);

    ResetProgramState();
    g_monitors.entries[0].brightness = 17;
    SetPendingLine(L"d");
    RunLineResult result = RunPendingLine(kOriginStartup, 1);
    EXPECT_FALSE(result.executed || result.restart || result.reply);
    EXPECT_EQ(result.exitCode, 0);
    g_start.startedWithArguments = true;
    result = RunPendingLine(kOriginStartup, 1);
    EXPECT_TRUE(result.executed && result.restart && !result.reply);
    EXPECT_EQ(result.exitCode, 17);
    result = RunPendingLine(4711, 1);
    EXPECT_TRUE(result.executed && !result.restart && result.reply);
    EXPECT_EQ(ExitState().exitCode, 17);
}

class SubmitTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
        roaming_ = FakeShellFreshRoamingFolder();
        MainWindowAttach(0x5150);
    }

    std::filesystem::path roaming_;
};

TEST_F(SubmitTest, LinesGoToTheWindowAsFullBlocksOrStraightIntoThePendingLine) {
    SubmitCommandLine(L"Dell 'U 2415' B+10;C 5", 4711);
    ASSERT_EQ(FakeInstanceSentLines().size(), 1u);
    const SentLine& sent = FakeInstanceSentLines().front();
    EXPECT_EQ(std::pair(sent.window, sent.origin), std::pair(std::uintptr_t{0x5150}, std::uint32_t{4711}));
    ASSERT_EQ(sent.block.size(), kForwardedBlockChars);
    EXPECT_EQ(std::u16string(sent.block.c_str()), u"dell 'u2415' b+10 ; c 5");

    FakeInstanceReset();
    SubmitCommandLine(L"B 20", kOriginInternalPosted);
    SubmitCommandLine(L"", kOriginInternal);
    EXPECT_TRUE(FakeInstanceSentLines().empty());
    EXPECT_EQ(std::wstring(PendingLine()), L"b 20");
    const auto posted = FakeMainWindowPostedCommands();
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].commandId, kCommandRunLine);
    EXPECT_EQ(posted[0].lParam, static_cast<std::intptr_t>(kOriginInternal));
    FakeInstanceSetReachable(false);
    EXPECT_FALSE(SubmitCommandLineTo(0x99, L"b 1", 5000));

    SetPendingLine(std::wstring(5000, L'b'));
    EXPECT_EQ(std::wstring(PendingLine()), std::wstring(kCommandBufferChars - 1, L'b'));
    SetPendingLine(L"c 5");
    EXPECT_EQ(PendingLine()[4], L'\0');
}

TEST_F(SubmitTest, ShellEscapeWritesTheBatchFileAndNeverReachesTheWindow) {
    const auto batch = roaming_ / "Lumistrand" / "run.bat";
    EXPECT_FALSE(SubmitCommandLineTo(0x5150, L"  !start \"\" Notepad.exe", 4711));
    EXPECT_EQ(FileBytes(batch), "start \"\" Notepad.exe\r\n");  // case kept: not a command line
    ASSERT_EQ(FakeShellOpenedFiles().size(), 1u);
    EXPECT_EQ(FakeFilesHostPath(FakeShellOpenedFiles()[0]), batch);
    SubmitCommandLine(L"!" + std::wstring(600, L'x'), kOriginInternal);  // replaces, cut to 520 bytes
    EXPECT_EQ(FileBytes(batch), std::string(520, 'x') + "\r\n");
}

}  // namespace
