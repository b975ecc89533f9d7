// The running instance's side of forwarding, through the real main window (dialog 101):
// the WM_COPYDATA check, the run of the pending line and the reply thread message.
#include <windows.h>

#include <gtest/gtest.h>

#include <thread>

#include "app/exit_path.h"
#include "app/forwarding.h"
#include "app/main_window_win32.h"
#include "app/pending_line.h"
#include "app/start_facts.h"
#include "commands/interpreter.h"
#include "monitors/monitor_table.h"
#include "res/resource.h"
#include "testing/program_state.h"

namespace {

class ForwardingWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
        g_start.mainThreadId = GetCurrentThreadId();
        g_start.startedWithArguments = true;
        window_ = CreateMainWindow(GetModuleHandleW(nullptr));
        ASSERT_NE(window_, nullptr);
    }
    void TearDown() override {
        if (IsWindow(window_)) DestroyWindow(window_);
        DrainMessages();
        ResetProgramState();
    }

    static void DrainMessages() {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    }

    LRESULT SendBlock(ULONG_PTR origin, DWORD size, const void* data) {
        COPYDATASTRUCT copy{origin, size, const_cast<void*>(data)};
        return SendMessageW(window_, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy));
    }

    HWND window_ = nullptr;
};

TEST_F(ForwardingWindowTest, TakesOnlyAFullBlock) {
    const ForwardedBlock block = MakeForwardedBlock(L"b 10 ; c 20");
    EXPECT_EQ(SendBlock(0, 100, block.data()), FALSE);
    EXPECT_EQ(PendingLine()[0], L'\0');
    EXPECT_EQ(SendBlock(0, kForwardedBlockBytes, block.data()), TRUE);
    EXPECT_STREQ(PendingLine(), L"b 10 ; c 20");
}

TEST_F(ForwardingWindowTest, RepliesWithTheLinesErrorLevelToTheWaitingThread) {
    g_monitors.selectedMonitor = 0;
    g_monitors.entries[0].brightness = 42;
    int reply = -1;
    DWORD waiterId = 0;
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::thread waiter([&] {
        MSG probe;
        PeekMessageW(&probe, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
        waiterId = GetCurrentThreadId();
        SetEvent(ready);
        reply = WaitForForwardingReply();
    });
    WaitForSingleObject(ready, 5000);
    const ForwardedBlock block = MakeForwardedBlock(L"d");
    ASSERT_EQ(SendBlock(waiterId, kForwardedBlockBytes, block.data()), TRUE);
    DrainMessages();  // runs command 40072
    waiter.join();
    CloseHandle(ready);
    EXPECT_EQ(reply, 42);
    EXPECT_EQ(ExitState().exitCode, 42);
}

TEST_F(ForwardingWindowTest, StartUpLineRunsOnlyWithArgumentsAndNeverReplies) {
    g_monitors.entries[0].brightness = 17;
    g_start.startedWithArguments = false;
    SetPendingLine(L"d");
    PostMessageW(window_, WM_COMMAND, kCommandRunLine, kOriginStartup);
    DrainMessages();
    EXPECT_EQ(ExitState().exitCode, 0);
    EXPECT_FALSE(ExitState().restartRequested);

    // Started with a value query: the value becomes the exit code and a fresh copy takes over.
    g_start.startedWithArguments = true;
    PostMessageW(window_, WM_COMMAND, kCommandRunLine, kOriginStartup);
    DrainMessages();
    EXPECT_EQ(ExitState().exitCode, 17);
    EXPECT_TRUE(ExitState().restartRequested);
}

}  // namespace
