// The real program's notification icons as Wine's explorer shows them to another process.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/e2e/e2e_helpers.h"
#include "testing/wine/e2e_tray_win32.h"

namespace {

// Icons of programs that earlier tests killed stay behind: only tips beyond those count.
std::vector<std::wstring> NewTips(std::vector<std::wstring> before) {
    std::vector<std::wstring> added;
    for (const std::wstring& tip : TrayIconTips()) {
        const auto stale = std::find(before.begin(), before.end(), tip);
        if (stale != before.end()) {
            before.erase(stale);
        } else {
            added.push_back(tip);
        }
    }
    return added;
}

std::size_t TipsContaining(const std::vector<std::wstring>& tips, const std::wstring& part) {
    return static_cast<std::size_t>(
        std::count_if(tips.begin(), tips.end(), [&](const std::wstring& tip) { return tip.find(part) != std::wstring::npos; }));
}

TEST(TrayIconsE2e, IconsFollowAForwardedLineAnnounceItAndLeaveAtExit) {
    E2eSandbox sandbox;
    // Hidden at start, so that a change is announced by a balloon.
    ASSERT_TRUE(E2ePrepare(sandbox, {{"notifications", "Y"}, {"minimizeflag", "Y"}}));
    const std::vector<std::wstring> before = TrayIconTips();

    ProgramProcess first;
    ASSERT_TRUE(StartFirstInstance(sandbox, first));
    std::vector<std::wstring> tips;
    // Brightness and contrast of both monitors and the one volume icon.
    EXPECT_TRUE(TrayWaitFor([&] { return (tips = NewTips(before)).size() == 5; }, 5000)) << tips.size();
    EXPECT_EQ(TipsContaining(tips, L"Brightness 75\n"), 1u);
    EXPECT_EQ(TipsContaining(tips, L"Brightness 60\n"), 1u);
    EXPECT_EQ(TipsContaining(tips, L"Contrast 50\n"), 2u);
    EXPECT_EQ(TipsContaining(tips, L"Volume "), 1u);
    const auto selected = std::find_if(tips.begin(), tips.end(), [](const std::wstring& tip) {
        return tip.find(L"Brightness 75\n") != std::wstring::npos;
    });
    ASSERT_NE(selected, tips.end());
    const std::wstring name = selected->substr(0, selected->find(L'\n'));

    DWORD exitCode = 1;
    ASSERT_TRUE(ProgramRunToExit(L"b 30", E2eSandboxEnvironment(sandbox), 30000, exitCode));
    std::wstring balloon;
    EXPECT_TRUE(TrayWaitFor([&] { return !(balloon = TrayBalloonText()).empty(); }, 3000)) << "no balloon";
    EXPECT_EQ(balloon, name);
    EXPECT_TRUE(TrayWaitFor([] { return TrayBalloonText().empty(); }, 3000)) << "the balloon stays";
    tips = NewTips(before);
    EXPECT_EQ(TipsContaining(tips, L"Brightness 30\n"), 1u);
    EXPECT_EQ(TipsContaining(tips, L"Brightness 75\n"), 0u);

    ASSERT_TRUE(QuitFirstInstance(sandbox, first));
    EXPECT_TRUE(NewTips(before).empty()) << "icons left behind after exit";
    E2eRemoveProgramFiles();
}

}  // namespace
