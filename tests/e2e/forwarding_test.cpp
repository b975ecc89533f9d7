// A second start of Lumistrand.exe against a running instance: either a real first
// instance, or this test process standing in for one (it holds the mutex and a window of the
// program's class, records what arrives and answers as it chooses).
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <thread>

#include "testing/wine/e2e_harness_win32.h"

namespace {

const wchar_t kClass[] = L"Lumistrand class 7.2";
const wchar_t kMutex[] = L"AllowOnlyOneLumistrand";
constexpr UINT kShowPanel = 40064;

struct Received {
    int copies = 0;
    DWORD bytes = 0;
    ULONG_PTR origin = 0;
    std::wstring text;
    int showRequests = 0;
    int reply = -1;  // -1: never answer
};

Received g_received;

LRESULT CALLBACK StandInProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COPYDATA) {
        const auto* copy = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        ++g_received.copies;
        g_received.bytes = copy->cbData;
        g_received.origin = copy->dwData;
        const auto* text = static_cast<const wchar_t*>(copy->lpData);
        g_received.text.assign(text, wcsnlen(text, copy->cbData / sizeof(wchar_t)));
        if (g_received.reply >= 0) {
            // A thread message that is no reply must not become the exit code.
            PostThreadMessageW(static_cast<DWORD>(copy->dwData), WM_COMMAND, 99, 0);
            PostThreadMessageW(static_cast<DWORD>(copy->dwData), WM_COMMAND, g_received.reply, 9);
        }
        return TRUE;
    }
    if (message == WM_COMMAND && LOWORD(wParam) == kShowPanel) ++g_received.showRequests;
    return DefWindowProcW(window, message, wParam, lParam);
}

// Mutex and window of a running instance, served by a thread of this process.
class StandInInstance {
public:
    explicit StandInInstance(int reply) {
        g_received = Received{};
        g_received.reply = reply;
        mutex_ = CreateMutexW(nullptr, FALSE, kMutex);
        HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        thread_ = std::thread([this, ready] {
            WNDCLASSW wc{};
            wc.lpfnWndProc = StandInProc;
            wc.hInstance = GetModuleHandleW(nullptr);
            wc.lpszClassName = kClass;
            RegisterClassW(&wc);
            window_ = CreateWindowExW(0, kClass, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance, nullptr);
            threadId_ = GetCurrentThreadId();
            SetEvent(ready);
            MSG message;
            while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
            DestroyWindow(window_);
            UnregisterClassW(kClass, GetModuleHandleW(nullptr));
        });
        WaitForSingleObject(ready, 5000);
        CloseHandle(ready);
    }
    ~StandInInstance() {
        PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
        thread_.join();
        CloseHandle(mutex_);
    }

private:
    HANDLE mutex_ = nullptr;
    HWND window_ = nullptr;
    DWORD threadId_ = 0;
    std::thread thread_;
};

std::vector<EnvironmentSetting> SandboxEnvironment() {
    E2eSandbox sandbox;
    EXPECT_TRUE(E2eSandboxCreate(sandbox));
    return E2eSandboxEnvironment(sandbox);
}

std::wstring RunBatchPath() {
    PWSTR roaming = nullptr;
    std::wstring path;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &roaming)))
        path = std::wstring(roaming) + L"\\Lumistrand\\run.bat";
    CoTaskMemFree(roaming);
    return path;
}

// Settings another test left beside the exe (minimizeflag, toggles) would change what a start does.
class Forwarding : public ::testing::Test {
protected:
    void SetUp() override { E2eRemoveProgramFiles(); }
    void TearDown() override { E2eRemoveProgramFiles(); }
};

TEST_F(Forwarding, SecondStartDeliversTheNormalisedLineAndEndsWithTheReply) {
    StandInInstance running(37);
    DWORD exitCode = 999;
    ASSERT_TRUE(ProgramRunToExit(L"Dell 'U 2415' B+10;C 20", SandboxEnvironment(), 10000, exitCode));
    EXPECT_EQ(exitCode, 37u);
    EXPECT_EQ(g_received.copies, 1);
    EXPECT_EQ(g_received.bytes, 2048u);
    EXPECT_GT(g_received.origin, 3u);
    EXPECT_EQ(g_received.text, L"dell 'u2415' b+10 ; c 20");
}

TEST_F(Forwarding, SecondStartWithoutArgumentsAsksToShowThePanelUnlessMinimizeflagAndEndsAtOnce) {
    for (const bool minimize : {false, true}) {
        SCOPED_TRACE(minimize ? "minimizeflag on" : "minimizeflag off");
        if (minimize) {
            std::ofstream(ProgramPathBesideTests(L"Lumistrand.xml").c_str(), std::ios::binary)
                << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<settings Lumistrand=\"7.2\">\r\n"
                   "  <set minimizeflag=\"Y\"></set>\r\n</settings>\n";
        }
        StandInInstance running(-1);
        DWORD exitCode = 999;
        const DWORD started = GetTickCount();
        ASSERT_TRUE(ProgramRunToExit(L"", SandboxEnvironment(), 10000, exitCode));
        EXPECT_EQ(exitCode, 0u);
        EXPECT_LT(GetTickCount() - started, 5000u);
        Sleep(100);
        EXPECT_EQ(g_received.showRequests, minimize ? 0 : 1);
        EXPECT_EQ(g_received.copies, 0);
    }
}

TEST_F(Forwarding, ShellEscapeWritesTheBatchFileAndNeverContactsTheRunningInstance) {
    StandInInstance running(5);
    const std::wstring batch = RunBatchPath();
    ASSERT_FALSE(batch.empty());
    DeleteFileW(batch.c_str());
    DWORD exitCode = 999;
    ASSERT_TRUE(ProgramRunToExit(L"  !rem Forwarded Escape", SandboxEnvironment(), 10000, exitCode));
    EXPECT_EQ(exitCode, 0u);
    EXPECT_EQ(g_received.copies, 0);
    std::ifstream file(batch.c_str(), std::ios::binary);
    const std::string content{std::istreambuf_iterator<char>(file), {}};
    EXPECT_EQ(content, "rem Forwarded Escape\r\n");
}

TEST_F(Forwarding, SecondStartGivesUpAfterTwentySecondsWithoutAnAnswer) {
    StandInInstance running(-1);
    DWORD exitCode = 999;
    const DWORD started = GetTickCount();
    ASSERT_TRUE(ProgramRunToExit(L"b 10", SandboxEnvironment(), 40000, exitCode));
    const DWORD elapsed = GetTickCount() - started;
    EXPECT_EQ(exitCode, 0u);
    EXPECT_EQ(g_received.copies, 1);
    EXPECT_GE(elapsed, 19000u);
    EXPECT_LT(elapsed, 30000u);
}

TEST_F(Forwarding, RealFirstInstanceHoldsTheMutexShowsItselfAndAnswersQueries) {
    const std::vector<EnvironmentSetting> environment = SandboxEnvironment();
    ProgramProcess first;
    ASSERT_TRUE(ProgramStartLumistrand(L"", environment, first));
    HWND window = ProgramWaitForMainWindow(first, 20000);
    ASSERT_NE(window, nullptr);
    HANDLE mutex = OpenMutexW(SYNCHRONIZE, FALSE, kMutex);
    EXPECT_NE(mutex, nullptr);
    if (mutex != nullptr) CloseHandle(mutex);

    // Start-up has ended once the message loop waits for input.
    ASSERT_EQ(WaitForInputIdle(first.process, 30000), 0u);
    EXPECT_TRUE(IsWindowVisible(window));  // started without arguments: the panel shows itself
    ShowWindow(window, SW_HIDE);
    DWORD exitCode = 999;
    ASSERT_TRUE(ProgramRunToExit(L"", environment, 10000, exitCode));
    EXPECT_EQ(exitCode, 0u);
    for (int wait = 0; wait < 100 && !IsWindowVisible(window); ++wait) Sleep(50);
    EXPECT_TRUE(IsWindowVisible(window));

    // The running instance sets the brightness and answers with it as the exit code.
    ASSERT_TRUE(ProgramRunToExit(L"B 37 D", environment, 30000, exitCode));
    EXPECT_EQ(exitCode, 37u);

    // "q" ends the first instance without asking; its answer still reaches the second start.
    ASSERT_TRUE(ProgramRunToExit(L"q", environment, 30000, exitCode));
    EXPECT_EQ(exitCode, 0u);
    DWORD firstExit = 999;
    EXPECT_TRUE(ProgramWaitForExit(first, 20000, firstExit));
    EXPECT_EQ(firstExit, 0u);
    EXPECT_EQ(OpenMutexW(SYNCHRONIZE, FALSE, kMutex), nullptr);
}

TEST_F(Forwarding, FirstStartWithAQueryEndsWithTheValueAndLeavesAHiddenSuccessor) {
    const std::vector<EnvironmentSetting> environment = SandboxEnvironment();
    DWORD exitCode = 999;
    ASSERT_TRUE(ProgramRunToExit(L"b 41 d", environment, 60000, exitCode));
    EXPECT_EQ(exitCode, 41u);

    HWND successor = nullptr;
    for (int wait = 0; wait < 200 && successor == nullptr; ++wait) {
        successor = FindWindowW(kClass, nullptr);
        if (successor == nullptr) Sleep(100);
    }
    ASSERT_NE(successor, nullptr) << "no successor took over";
    DWORD successorId = 0;
    GetWindowThreadProcessId(successor, &successorId);
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, successorId);
    ASSERT_NE(process, nullptr);
    WaitForInputIdle(process, 30000);
    EXPECT_FALSE(IsWindowVisible(successor));

    ASSERT_TRUE(ProgramRunToExit(L"q", environment, 30000, exitCode));
    EXPECT_EQ(WaitForSingleObject(process, 20000), WAIT_OBJECT_0);
    CloseHandle(process);
}

}  // namespace
