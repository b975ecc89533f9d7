// The end-to-end helpers, exercised on a copy of this test exe that plays the program:
// started with LUMISTRAND_HARNESS_CHILD set, it does what that variable says and never runs a test.
#include <windows.h>

#include <gtest/gtest.h>

#include "testing/wine/e2e_harness_win32.h"

namespace {

const wchar_t kChildRole[] = L"LUMISTRAND_HARNESS_CHILD";
const wchar_t kChildCode[] = L"LUMISTRAND_HARNESS_CODE";
const DWORD kClosedByMessage = 21;

std::wstring Variable(const wchar_t* name) {
    wchar_t value[256] = {};
    const DWORD length = GetEnvironmentVariableW(name, value, 256);
    return length > 0 && length < 256 ? std::wstring(value, length) : std::wstring();
}

LRESULT CALLBACK ChildWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) ExitProcess(kClosedByMessage);
    return DefWindowProcW(window, message, wParam, lParam);
}

void ShowMainWindowUntilClosed() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = ChildWindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"Lumistrand class 7.2";
    RegisterClassW(&wc);
    CreateWindowExW(0, wc.lpszClassName, L"child", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    ExitProcess(1);
}

// Runs before main: the child's role replaces the test run.
const bool g_isChild = [] {
    const std::wstring role = Variable(kChildRole);
    if (role.empty()) return false;
    if (role == L"exit") ExitProcess(static_cast<UINT>(_wtoi(Variable(kChildCode).c_str())));
    if (role == L"window") ShowMainWindowUntilClosed();
    if (role == L"sleep") Sleep(60000);
    ExitProcess(2);
}();

bool StartChild(const std::wstring& role, std::vector<EnvironmentSetting> environment, ProgramProcess& child) {
    environment.push_back({kChildRole, role});
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    return ProgramStart(self, L"", environment, child);
}

TEST(E2eHarness, ChildSeesOverriddenVariablesOnceAndReportsItsExitCode) {
    ASSERT_FALSE(g_isChild);
    // The parent's own value must lose against the override, whatever the case of its name.
    ASSERT_TRUE(SetEnvironmentVariableW(L"lumistrand_harness_code", L"5"));
    ProgramProcess child;
    ASSERT_TRUE(StartChild(L"exit", {{kChildCode, L"37"}}, child));
    DWORD exitCode = 0;
    ASSERT_TRUE(ProgramWaitForExit(child, 10000, exitCode));
    EXPECT_EQ(exitCode, 37u);
    SetEnvironmentVariableW(L"lumistrand_harness_code", nullptr);
}

TEST(E2eHarness, FindsTheMainWindowOfThatProcessAndSeesItEndWhenClosed) {
    ProgramProcess child;
    ASSERT_TRUE(StartChild(L"window", {}, child));
    HWND window = ProgramWaitForMainWindow(child, 10000);
    ASSERT_NE(window, nullptr);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    EXPECT_EQ(owner, child.processId);
    PostMessageW(window, WM_CLOSE, 0, 0);
    DWORD exitCode = 0;
    ASSERT_TRUE(ProgramWaitForExit(child, 10000, exitCode));
    EXPECT_EQ(exitCode, kClosedByMessage);
}

TEST(E2eHarness, WindowWaitGivesUpAsSoonAsTheProcessEnds) {
    ProgramProcess child;
    ASSERT_TRUE(StartChild(L"exit", {{kChildCode, L"0"}}, child));
    const DWORD start = GetTickCount();
    EXPECT_EQ(ProgramWaitForMainWindow(child, 20000), nullptr);
    EXPECT_LT(GetTickCount() - start, 10000u);
}

TEST(E2eHarness, ExitWaitTimesOutWithoutTouchingTheCodeAndTheProcessDiesWithItsOwner) {
    HANDLE watch = nullptr;
    {
        ProgramProcess child;
        ASSERT_TRUE(StartChild(L"sleep", {}, child));
        DWORD exitCode = 1234;
        EXPECT_FALSE(ProgramWaitForExit(child, 200, exitCode));
        EXPECT_EQ(exitCode, 1234u);
        ASSERT_TRUE(DuplicateHandle(GetCurrentProcess(), child.process, GetCurrentProcess(), &watch, SYNCHRONIZE, FALSE, 0));
    }
    EXPECT_EQ(WaitForSingleObject(watch, 5000), WAIT_OBJECT_0);
    CloseHandle(watch);
}

TEST(E2eHarness, SandboxesAreDistinctAndNameTheSimulatorFiles) {
    E2eSandbox first, second;
    ASSERT_TRUE(E2eSandboxCreate(first));
    ASSERT_TRUE(E2eSandboxCreate(second));
    EXPECT_NE(first.folder, second.folder);
    EXPECT_EQ(E2eSandboxEnvironment(first).size(), 2u) << "no configuration written yet";
    ASSERT_TRUE(SimConfigWrite(first, "# empty\n"));
    const std::vector<EnvironmentSetting> environment = E2eSandboxEnvironment(first);
    ASSERT_EQ(environment.size(), 3u);
    EXPECT_EQ(environment[2].name, L"LUMISTRAND_SIM_CONFIG");
    EXPECT_EQ(environment[2].value, first.simConfig);
}

TEST(E2eHarness, LogLinesLoseTheirLineEndsAndAMissingLogIsEmpty) {
    E2eSandbox sandbox;
    ASSERT_TRUE(E2eSandboxCreate(sandbox));
    EXPECT_TRUE(SimLogReadLines(sandbox.simLog).empty());
    HANDLE file = CreateFileW(sandbox.simLog.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    const char text[] = "SetVCPFeature 0 0x10 50 ok\r\n\r\nGetVCPFeature 1 0x12 -> 40 ok";
    DWORD written = 0;
    WriteFile(file, text, sizeof text - 1, &written, nullptr);
    CloseHandle(file);
    EXPECT_EQ(SimLogReadLines(sandbox.simLog),
              (std::vector<std::string>{"SetVCPFeature 0 0x10 50 ok", "", "GetVCPFeature 1 0x12 -> 40 ok"}));
}

}  // namespace

namespace {

void CreateEmptyFile(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path.size();
    CloseHandle(file);
}

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

TEST(E2eHarness, RemovesWhatEarlierRunsOfTheProgramLeftBehind) {
    const std::wstring folder = Variable(L"APPDATA") + L"\\Lumistrand";
    ASSERT_FALSE(Variable(L"APPDATA").empty());
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring leftovers[] = {ProgramPathBesideTests(L"Lumistrand.xml"), folder + L"\\Lumistrand.xml",
                                      folder + L"\\Lumistrand.txt", folder + L"\\hiddenrestart"};
    for (const std::wstring& path : leftovers) CreateEmptyFile(path);
    E2eRemoveProgramFiles();
    for (const std::wstring& path : leftovers) EXPECT_FALSE(Exists(path));
    EXPECT_FALSE(Exists(folder)) << "the emptied folder goes too";
}

}  // namespace
