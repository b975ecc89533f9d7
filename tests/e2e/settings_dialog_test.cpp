// The settings dialog of the real program, driven from another process as its user would.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include "res/resource.h"
#include "tests/e2e/e2e_helpers.h"

namespace {

HWND WaitForSettings(const wchar_t* title = L"Lumistrand - Settings") {
    for (int wait = 0; wait < 100; ++wait, Sleep(50)) {
        const HWND dialog = FindWindowW(L"#32770", title);
        if (dialog != nullptr && IsWindowVisible(dialog)) return dialog;
    }
    return nullptr;
}

bool HasSetting(const std::wstring& path, const std::string& line) {
    return FileBytes(path).find(line) != std::string::npos;
}

TEST(SettingsDialogE2e, OpensOnceStoresATickInBothFilesAndReopensAfterALanguageRestart) {
    E2eSandbox sandbox;
    ASSERT_TRUE(E2ePrepare(sandbox, {{"notifications", "N"}, {"lastsettings", "00000000"}}));
    wchar_t startup[MAX_PATH] = {};
    ASSERT_EQ(SHGetFolderPathW(nullptr, CSIDL_STARTUP, nullptr, SHGFP_TYPE_CURRENT, startup), S_OK);
    const std::wstring shortcut = std::wstring(startup) + L"\\Lumistrand.lnk";
    DeleteFileW(shortcut.c_str());
    ProgramProcess first;
    ASSERT_TRUE(StartFirstInstance(sandbox, first));
    const HWND main = ProgramWaitForMainWindow(first, 0);
    EXPECT_NE(GetFileAttributesW(shortcut.c_str()), INVALID_FILE_ATTRIBUTES) << "autostart is on by default";
    PostMessageW(main, WM_COMMAND, IDM_SETTINGS, 0);
    const HWND dialog = WaitForSettings();
    ASSERT_NE(dialog, nullptr);
    PostMessageW(main, WM_COMMAND, IDM_SETTINGS, 0);
    Sleep(500);
    const auto settings = ProgramWindows(first, [](HWND window) {
        wchar_t title[64] = {};
        GetWindowTextW(window, title, 64);
        return std::wstring(title) == L"Lumistrand - Settings";
    });
    EXPECT_EQ(settings.size(), 1u);
    EXPECT_EQ(GetForegroundWindow(), dialog);

    SendDlgItemMessageW(dialog, IDC_SET_NOTIFICATIONS, BM_CLICK, 0, 0);
    SendDlgItemMessageW(dialog, IDOK, BM_CLICK, 0, 0);
    for (int wait = 0; wait < 40 && IsWindow(dialog); ++wait) Sleep(50);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_TRUE(HasSetting(ProgramPathBesideTests(L"Lumistrand.xml"), "<set notifications=\"Y\">"));
    EXPECT_TRUE(HasSetting(RoamingProgramFolder() + L"\\Lumistrand.xml", "<set notifications=\"Y\">"));

    // Another language restarts the program, which opens the dialog again in that language.
    PostMessageW(main, WM_COMMAND, IDM_SETTINGS, 0);
    const HWND english = WaitForSettings();
    ASSERT_NE(english, nullptr);
    SendDlgItemMessageW(english, IDC_SET_LANGUAGE, CB_SETCURSEL, 0, 0);  // "German"
    SendDlgItemMessageW(english, IDOK, BM_CLICK, 0, 0);
    ProgramProcess successor;
    ASSERT_NE(WaitForSuccessor(main, successor), nullptr);
    const HWND german = WaitForSettings(L"Lumistrand - Einstellungen");
    ASSERT_NE(german, nullptr);
    SendDlgItemMessageW(german, IDOK, BM_CLICK, 0, 0);
    EXPECT_TRUE(QuitFirstInstance(sandbox, successor));
}

}  // namespace
