// The VCP explorer over the simulator: which codes become rows and how, the early end of a
// read, and the lines its write dialog submits.
#include "tests/commands/command_fixture.h"
#include "testing/fakes/dialog_controls_fake.h"
#include "testing/fakes/input_fake.h"
#include "testing/fakes/instance_fake.h"
#include "testing/fakes/settings_window_fake.h"
#include "ui/settings_dialog.h"
#include "ui/vcp_explorer.h"

namespace {

using Cells = std::vector<std::wstring>;

class VcpExplorer : public CommandTest {
protected:
    void SetUp() override {
        CommandTest::SetUp();
        Discover();
        SimMonitorAt(0)->vcp = {{0x10, {50, 100}}, {0x12, {40, 100}}, {0x60, {15, 18}}, {0xDF, {0x201, 2, 0, 0, true}}};
        Entry(0).capabilities = "vcp(10 12 14 60(0F 11) DF)";
    }

    static const std::vector<FakeListRow>& Open() {
        ShowVcpExplorer();
        while (FakeDialogWork(DialogWindow::VcpExplorer)) {}
        return FakeDialog(DialogWindow::VcpExplorer).lists[IDC_VCP_LIST];
    }
};

TEST_F(VcpExplorer, RowsAreTheCodesThatAnswerUntilTheWaitWindowCloses) {
    const Cells brightness{L"10", L"", L"Brightness", L"50", L"100", L"0 up to 100"};
    const Cells contrast{L"12", L"", L"Contrast", L"40", L"100", L"0 up to 100"};
    const Cells input{L"60", L"", L"Input Select", L"15", L"18", L"15  17  "};
    const struct {
        std::string caps;
        bool tryAll;
        std::vector<Cells> rows;
        std::vector<bool> red;
    } cases[] = {
        {"vcp(10 12 14 60(0F 11) DF)", false,
         {brightness, contrast, input, {L"DF", L"Read-only", L"VCP Version", L"513", L"", L""}},
         {false, false, false, false}},
        {"vcp(60(0F 11))", true,
         {input, brightness, contrast, {L"DF", L"Read-only", L"VCP Version", L"513", L"2", L""}},
         {false, true, true, true}},
        {"", false, {}, {}},
    };
    for (const auto& c : cases) {
        SetUp();
        Entry(0).capabilities = c.caps;
        if (c.tryAll) FakeInputSetKeysDown({0x10, 0x11});
        const std::vector<FakeListRow>& rows = Open();
        ASSERT_EQ(rows.size(), c.rows.size()) << c.caps;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            EXPECT_EQ(rows[i].cells, c.rows[i]) << c.caps << i;
            EXPECT_EQ(rows[i].red, c.red[i]) << c.caps << i;
        }
        EXPECT_FALSE(DialogIsOpen(DialogWindow::VcpWait));
    }
    SetUp();
    FakeInputSetKeysDown({0x10, 0x11});
    ShowVcpExplorer();
    EXPECT_TRUE(FakeDialogWork(DialogWindow::VcpExplorer));  // 10 12 14: a tenth of a second
    EXPECT_TRUE(FakeDialogPress(DialogWindow::VcpWait, kDialogDismissed));
    EXPECT_FALSE(FakeDialogWork(DialogWindow::VcpExplorer));
    EXPECT_EQ(Count("GetVCPFeatureAndVCPFeatureReply"), 3);
    EXPECT_EQ(FakeDialog(DialogWindow::VcpExplorer).lists[IDC_VCP_LIST].size(), 2u);  // 14 did not answer
}

TEST_F(VcpExplorer, WriteDialogSubmitsWhatAUserCouldType) {
    const std::wstring button = MonitorListCell(0, kColumnName) + L" setVCP 0x";
    const struct {
        std::int32_t row;
        int press;
        std::wstring line;
        bool canWrite, canStep;
    } cases[] = {
        {0, IDC_VCP_STEP_UP_5, button + L"10 + 5", true, true},
        {0, IDC_VCP_WRITE_COMMAND, button + L"10 70", true, true},
        {0, IDC_VCP_STEP_DOWN_1, button + L"10 - 1", true, true},
        {2, IDC_VCP_WRITE_COMMAND, button + L"60 70", true, false},
        {3, IDCANCEL, L"", false, false},
    };
    for (const auto& c : cases) {
        Open();
        FakeInstanceReset();
        FakeDialogSetUser(DialogWindow::VcpWrite, [&] {
            if (c.press == IDC_VCP_WRITE_COMMAND) FakeDialog(DialogWindow::VcpWrite).texts[IDC_VCP_WRITE_VALUE] = L"70";
            FakeDialogPress(DialogWindow::VcpWrite, c.press);
        });
        FakeDialogChoose(DialogWindow::VcpExplorer, IDC_VCP_LIST, c.row);
        FakeDialogState& write = FakeDialog(DialogWindow::VcpWrite);
        EXPECT_EQ(write.enabled.count(IDC_VCP_WRITE_COMMAND) == 0, c.canWrite);
        EXPECT_EQ(write.enabled[IDC_VCP_STEP_UP_5], c.canStep);
        const auto& sent = FakeInstanceSentLines();
        ASSERT_EQ(sent.size(), c.line.empty() ? 0u : 1u);
        if (!c.line.empty()) {
            const std::u16string block = sent[0].block.substr(0, sent[0].block.find(u'\0'));
            const std::wstring line(block.begin(), block.end());
            EXPECT_EQ(line, NormaliseCommandLine(c.line));
        }
        FakeDialogPress(DialogWindow::VcpExplorer, IDOK);
    }
}

TEST_F(VcpExplorer, AnotherMonitorReopensTheExplorerAndTheSettingsDialogClosesMeanwhile) {
    Open();
    EXPECT_TRUE(FakeMainWindowTimerActive(kTimerExplorerClosesSettings));
    FakeSettingsWindowSetOpen(true);
    ExplorerClosesSettingsTick();
    EXPECT_FALSE(SettingsDialogIsOpen());
    FakeDialogChoose(DialogWindow::VcpExplorer, IDC_VCP_MONITOR, 1);
    EXPECT_EQ(g_monitors.selectedMonitor, 1);
    EXPECT_FALSE(DialogIsOpen(DialogWindow::VcpExplorer));
    EXPECT_EQ(FakeMainWindowPostedCommands().back().commandId, static_cast<std::uint32_t>(IDM_VCP_CODES));
    ExplorerClosesSettingsTick();
    EXPECT_FALSE(FakeMainWindowTimerActive(kTimerExplorerClosesSettings));
}

}  // namespace
