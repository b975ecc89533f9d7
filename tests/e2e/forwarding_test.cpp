// A second start of Lumistrand.exe against a running instance: either a real one, or this
// test process standing in for one, which records what arrives and answers as it chooses.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/e2e_helpers.h"

namespace {

const wchar_t kClass[] = L"Lumistrand class 7.2";
const wchar_t kMutex[] = L"AllowOnlyOneLumistrand";

struct Received {
    int copies = 0;
    DWORD bytes = 0;
    ULONG_PTR origin = 0;
    std::wstring text;
    int showRequests = 0;
};

Received g_received;
int g_reply = -1;  // -1: never answer

LRESULT CALLBACK StandInProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COPYDATA) {
        const auto* copy = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        const auto* text = static_cast<const wchar_t*>(copy->lpData);
        g_received = {g_received.copies + 1, copy->cbData, copy->dwData, {text, wcsnlen(text, copy->cbData / 2)},
                      g_received.showRequests};
        if (g_reply >= 0) {
            // A thread message that is no reply must not become the exit code.
            PostThreadMessageW(static_cast<DWORD>(copy->dwData), WM_COMMAND, 99, 0);
            PostThreadMessageW(static_cast<DWORD>(copy->dwData), WM_COMMAND, g_reply, 9);
        }
        return TRUE;
    }
    if (message == WM_COMMAND && LOWORD(wParam) == 40064) ++g_received.showRequests;
    return DefWindowProcW(window, message, wParam, lParam);
}

// Settings another test left beside the exe (minimizeflag, toggles) would change what a start does.
class Forwarding : public ::testing::Test {
protected:
    void SetUp() override {
        E2eRemoveProgramFiles();
        ASSERT_TRUE(E2eSandboxCreate(sandbox_));
        environment_ = E2eSandboxEnvironment(sandbox_);
    }
    void TearDown() override {
        if (standIn_ != nullptr) DestroyWindow(standIn_);
        UnregisterClassW(kClass, GetModuleHandleW(nullptr));
        if (mutex_ != nullptr) CloseHandle(mutex_);
        E2eRemoveProgramFiles();
    }

    // This thread stands in for the running instance: the mutex and a window of the program's class.
    void StandIn() {
        mutex_ = CreateMutexW(nullptr, FALSE, kMutex);
        WNDCLASSW wc{};
        wc.lpfnWndProc = StandInProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = kClass;
        RegisterClassW(&wc);
        standIn_ = CreateWindowExW(0, kClass, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance, nullptr);
    }

    // Runs a second start, serving the stand-in meanwhile; its exit code, 999 when it did not end in time.
    DWORD SecondStart(const std::wstring& line, DWORD timeoutMs = 10000) {
        ProgramProcess second;
        DWORD exitCode = 999;
        EXPECT_TRUE(ProgramStartLumistrand(line, environment_, second));
        for (const DWORD start = GetTickCount(); GetTickCount() - start < timeoutMs &&
                                                 MsgWaitForMultipleObjects(1, &second.process, FALSE, 100, QS_ALLINPUT) != WAIT_OBJECT_0;) {
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        }
        EXPECT_TRUE(ProgramWaitForExit(second, 0, exitCode)) << "second start did not end";
        return exitCode;
    }

    E2eSandbox sandbox_;
    std::vector<EnvironmentSetting> environment_;
    HANDLE mutex_ = nullptr;
    HWND standIn_ = nullptr;
};

TEST_F(Forwarding, SecondStartsDeliverTheLineAskForThePanelRunShellEscapesAndGiveUpAfterTwentySeconds) {
    StandIn();
    g_received = {};
    g_reply = 37;
    EXPECT_EQ(SecondStart(L"Dell 'U 2415' B+10;C 20"), 37u);
    EXPECT_EQ(g_received.copies, 1);
    EXPECT_EQ(g_received.bytes, 2048u);
    EXPECT_GT(g_received.origin, 3u);
    EXPECT_EQ(g_received.text, L"dell 'u2415' b+10 ; c 20");

    g_received = {};
    g_reply = -1;
    DWORD started = GetTickCount();
    EXPECT_EQ(SecondStart(L""), 0u);
    EXPECT_LT(GetTickCount() - started, 5000u);
    Sleep(100);
    EXPECT_EQ(g_received.showRequests, 1);
    ASSERT_TRUE(FileWriteBytes(ProgramPathBesideTests(L"Lumistrand.xml"), SettingsText({{"minimizeflag", "Y"}})));
    EXPECT_EQ(SecondStart(L""), 0u);
    Sleep(100);
    EXPECT_EQ(g_received.showRequests, 1) << "minimizeflag keeps the panel hidden";
    E2eRemoveProgramFiles();

    const std::wstring batch = RoamingProgramFolder() + L"\\run.bat";
    DeleteFileW(batch.c_str());
    EXPECT_EQ(SecondStart(L"  !rem Forwarded Escape"), 0u);
    EXPECT_EQ(FileBytes(batch), "rem Forwarded Escape\r\n");
    EXPECT_EQ(g_received.copies, 0) << "a shell escape never contacts the running instance";

    started = GetTickCount();
    EXPECT_EQ(SecondStart(L"b 10", 40000), 0u);
    EXPECT_EQ(g_received.copies, 1);
    EXPECT_GE(GetTickCount() - started, 19000u);
    EXPECT_LT(GetTickCount() - started, 30000u);
}

// The first start runs the line and ends with its value; the hidden copy that takes its place
// is the running instance every later start talks to.
TEST_F(Forwarding, FirstStartWithAQueryLeavesAHiddenSuccessorThatServesLaterStarts) {
    EXPECT_EQ(SecondStart(L"b 41 d", 60000), 41u);
    ProgramProcess running;  // ends it should the test stop early
    HWND successor = WaitForSuccessor(nullptr, running);
    ASSERT_NE(successor, nullptr) << "no successor took over";
    EXPECT_FALSE(IsWindowVisible(successor));
    HANDLE mutex = OpenMutexW(SYNCHRONIZE, FALSE, kMutex);
    EXPECT_NE(mutex, nullptr);
    if (mutex != nullptr) CloseHandle(mutex);

    EXPECT_EQ(SecondStart(L""), 0u);
    for (int wait = 0; wait < 100 && !IsWindowVisible(successor); ++wait) Sleep(50);
    EXPECT_TRUE(IsWindowVisible(successor));
    // The running instance sets the brightness and answers with it as the exit code.
    EXPECT_EQ(SecondStart(L"B 37 D", 30000), 37u);
    // "q" ends it without asking; its answer still reaches the second start.
    EXPECT_EQ(SecondStart(L"q", 30000), 0u);
    DWORD exitCode = 999;
    EXPECT_TRUE(ProgramWaitForExit(running, 20000, exitCode));
    EXPECT_EQ(exitCode, 0u);
    EXPECT_EQ(OpenMutexW(SYNCHRONIZE, FALSE, kMutex), nullptr);
}

}  // namespace
