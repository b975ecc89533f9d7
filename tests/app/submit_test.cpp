#include "app/pending_line.h"
#include "app/submit.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/forwarding.h"
#include "app/restart_marker.h"
#include "res/resource.h"
#include "testing/fakes/files_fake.h"
#include "testing/fakes/instance_fake.h"
#include "testing/fakes/main_window_fake.h"
#include "testing/fakes/shell_fake.h"
#include "testing/program_state.h"

namespace {

class SubmitTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
        roaming_ = std::filesystem::temp_directory_path() /
                   ("lumistrand-app-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(roaming_);
        std::filesystem::create_directories(roaming_);
        FakeShellSetRoamingFolder(roaming_.wstring());
        MainWindowAttach(0x5150);
    }
    void TearDown() override { std::filesystem::remove_all(roaming_); }

    std::string ReadFile(const std::filesystem::path& path) {
        std::ifstream file(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), {}};
    }

    std::filesystem::path roaming_;
};

TEST_F(SubmitTest, ForwardsTheNormalisedLineAsAFullBlock) {
    SubmitCommandLine(L"Dell 'U 2415' B+10;C 5", 4711);
    ASSERT_EQ(FakeInstanceSentLines().size(), 1u);
    const SentLine& sent = FakeInstanceSentLines().front();
    EXPECT_EQ(sent.window, 0x5150u);
    EXPECT_EQ(sent.origin, 4711u);
    ASSERT_EQ(sent.block.size(), kForwardedBlockChars);
    EXPECT_EQ(std::u16string(sent.block.c_str()), u"dell 'u2415' b+10 ; c 5");
    EXPECT_TRUE(FakeMainWindowPostedCommands().empty());
}

TEST_F(SubmitTest, PostedOriginFillsThePendingLineAndRunsItAsInternal) {
    SubmitCommandLine(L"B 20", kOriginInternalPosted);
    EXPECT_TRUE(FakeInstanceSentLines().empty());
    EXPECT_EQ(std::wstring(PendingLine()), L"b 20");
    const auto posted = FakeMainWindowPostedCommands();
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].commandId, kCommandRunLine);
    EXPECT_EQ(posted[0].lParam, static_cast<std::intptr_t>(kOriginInternal));
}

TEST_F(SubmitTest, EmptyLineAndUnreachableWindowSendNothing) {
    SubmitCommandLine(L"", kOriginInternal);
    EXPECT_TRUE(FakeInstanceSentLines().empty());
    FakeInstanceSetReachable(false);
    EXPECT_FALSE(SubmitCommandLineTo(0x99, L"b 1", 5000));
}

TEST_F(SubmitTest, ShellEscapeWritesTheBatchFileAndNeverReachesTheWindow) {
    EXPECT_FALSE(SubmitCommandLineTo(0x5150, L"  !start \"\" Notepad.exe", 4711));
    EXPECT_TRUE(FakeInstanceSentLines().empty());
    const auto batch = roaming_ / "Lumistrand" / "run.bat";
    EXPECT_EQ(ReadFile(batch), "start \"\" Notepad.exe\r\n");  // case kept: not a command line
    ASSERT_EQ(FakeShellOpenedFiles().size(), 1u);
    EXPECT_EQ(FakeFilesHostPath(FakeShellOpenedFiles()[0]), batch);

    SubmitCommandLine(L"!" + std::wstring(600, L'x'), kOriginInternal);  // replaces, cut to 520 bytes
    EXPECT_EQ(ReadFile(batch), std::string(520, 'x') + "\r\n");
}

TEST_F(SubmitTest, HiddenRestartMarkerIsTakenOnceAndTheFolderTidied) {
    const auto folder = roaming_ / "Lumistrand";
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
