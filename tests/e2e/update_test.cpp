// The update check of the real program against a stand-in download site on a free local port.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/e2e/e2e_helpers.h"
#include "testing/wine/site_standin_win32.h"
#include "update/own_version.h"

namespace {

constexpr UINT kCheckNow = 40078, kUpdateTimer = 0x2B, kInstall = 2602;
const std::string kNewer = "7.3.0.0\r\n new notes\r\n7.3.0.0\r\n neue Notizen";

// The visible top-level window of the process with this title whose controls show text (a box
// that is closing has none left), and the texts of its controls.
HWND WaitForTitled(const ProgramProcess& program, const wchar_t* title, std::wstring& texts, const wchar_t* text = L"",
                   DWORD ms = 15000) {
    for (const DWORD start = GetTickCount(); GetTickCount() - start < ms; Sleep(50)) {
        for (HWND window = FindWindowW(nullptr, title); window != nullptr; window = FindWindowExW(nullptr, window, nullptr, title)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner != program.processId || !IsWindowVisible(window)) continue;
            texts.clear();
            for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
                wchar_t shown[1024] = {};
                SendMessageW(child, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(shown));
                texts += shown;
            }
            if (texts.find(text) != std::wstring::npos) return window;
        }
    }
    return nullptr;
}

bool VersionFileGone() { return GetFileAttributesW((RoamingProgramFolder() + L"\\version.inf").c_str()) == INVALID_FILE_ATTRIBUTES; }

class UpdateE2e : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(SiteStart()); }
    static void TearDownTestSuite() { SiteStop(); }
    void Start() {
        ASSERT_TRUE(E2ePrepare(sandbox_, {{"daily", "Y"}, {"weekly", "N"}, {"never", "N"}, {"language", "English"}}));
        std::vector<EnvironmentSetting> environment = E2eSandboxEnvironment(sandbox_);
        environment.push_back({L"LUMISTRAND_UPDATE_SITE", SiteAddress() + L"/"});
        ASSERT_TRUE(ProgramStartLumistrand(L"", environment, program_));
        ASSERT_NE(main_ = ProgramWaitForMainWindow(program_, 30000), nullptr);
        WaitForInputIdle(program_.process, 30000);
    }
    // "Check now" against this version.inf; the window that answers it with text.
    HWND CheckNow(const std::string& versionFile, const wchar_t* title, const wchar_t* text, std::wstring& texts) {
        SiteServe("/version.inf", versionFile);
        PostMessageW(main_, WM_COMMAND, kCheckNow, 0);
        return WaitForTitled(program_, title, texts, text);
    }
    void TearDown() override {
        ProgramKill(program_);
        for (const wchar_t* name : {L"Lumistrand_7_3.exe", L"Lumistrand.txt"}) DeleteFileW(ProgramPathBesideTests(name).c_str());
        E2eRemoveProgramFiles();
    }
    E2eSandbox sandbox_;
    ProgramProcess program_;
    HWND main_ = nullptr;
};

TEST_F(UpdateE2e, OnlyANewerVersionIsOfferedAndOnlyACompleteProgramFileRuns) {
    Start();
    SiteServe("/version.inf", kOwnVersionText);
    const size_t before = SiteRequests().size();
    PostMessageW(main_, WM_TIMER, kUpdateTimer, 0);
    for (int wait = 0; wait < 100 && SiteRequests().size() == before; ++wait) Sleep(100);
    ASSERT_EQ(SiteRequests().size(), before + 1);
    std::wstring texts;
    EXPECT_EQ(WaitForTitled(program_, L"No update available!", texts, L"", 1500), nullptr);
    const struct { std::string file; const wchar_t* title; const wchar_t* text; UINT answer; } checks[] = {
        {kOwnVersionText, L"No update available!", L"newest version 7.2", IDNO},
        {"7.1.0.0\r\n older\r\n7.1.0.0\r\n", L"No update available!", L"newest version 7.2", IDNO},
        {"", L"Lumistrand", L"check for a new version failed", IDOK},
        {kNewer, L"Update available!", L" actual  running  version     7.2\r\n new downloadable version     7.3\r\n new notes", kInstall}};
    for (const auto& c : checks) {
        const HWND answer = CheckNow(c.file, c.title, c.text, texts);
        ASSERT_NE(answer, nullptr) << Narrowed(c.title) << Narrowed(texts);
        EXPECT_EQ(texts.find(L"neue Notizen"), std::wstring::npos);
        PostMessageW(answer, WM_COMMAND, c.answer, 0);
        EXPECT_TRUE(VersionFileGone());
    }
    // The install found an error page where the program file should be: nothing is run.
    const HWND refusal = WaitForTitled(program_, L"Lumistrand", texts, L"not a complete program file");
    ASSERT_NE(refusal, nullptr);
    PostMessageW(refusal, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(SiteRequests().back(), "/Lumistrand_7_3.exe");
    EXPECT_TRUE(FileBytes(RoamingProgramFolder() + L"\\Lumistrand.bat").empty());
    EXPECT_TRUE(FileBytes(ProgramPathBesideTests(L"Lumistrand_7_3.exe")).empty());

    // A program file that is whole runs through the batch, and the program ends meanwhile.
    SiteServe("/Lumistrand_7_3.exe", FileBytes(ProgramPathBesideTests(L"window_standin.exe")));
    PostMessageW(CheckNow(kNewer, L"Update available!", L"7.3", texts), WM_COMMAND, kInstall, 0);
    DWORD code = 0;
    EXPECT_TRUE(ProgramWaitForExit(program_, 20000, code));
    EXPECT_EQ(FileBytes(RoamingProgramFolder() + L"\\Lumistrand.bat"),
              "timeout 5\r\n\"" + Narrowed(ProgramPathBesideTests(L"Lumistrand_7_3.exe")) + "\"\r\n");
    // The batch started the downloaded file: its window belongs to Lumistrand_7_3.exe.
    wchar_t image[MAX_PATH] = {};
    for (int wait = 0; wait < 150 && !std::wstring(image).ends_with(L"\\Lumistrand_7_3.exe"); ++wait, Sleep(100)) {
        DWORD id = 0, length = MAX_PATH;
        GetWindowThreadProcessId(FindWindowW(L"Lumistrand class 6.3", nullptr), &id);
        const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE, FALSE, id);
        if (process != nullptr && QueryFullProcessImageNameW(process, 0, image, &length)) TerminateProcess(process, 0);
        if (process != nullptr) CloseHandle(process);
    }
    EXPECT_TRUE(std::wstring(image).ends_with(L"\\Lumistrand_7_3.exe")) << Narrowed(image);
}

}  // namespace
