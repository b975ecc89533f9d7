// The update rules as tables; the check, self-update and uninstall against served downloads.
#include <gtest/gtest.h>

#include "app/uninstall.h"
#include "res/resource.h"
#include "settings/settings.h"
#include "settings/ui_language.h"
#include "testing/fakes/dialog_controls_fake.h"
#include "testing/fakes/download_fake.h"
#include "testing/fakes/files_fake.h"
#include "testing/fakes/message_box_fake.h"
#include "testing/fakes/requests_fake.h"
#include "testing/fakes/shell_fake.h"
#include "testing/program_state.h"
#include "ui/update_dialog.h"
#include "update/executable_check.h"
#include "update/own_version.h"
#include "update/update_batch.h"
#include "update/update_check.h"
#include "update/home_page.h"
#include "update/update_schedule.h"
#include "update/update_site.h"
#include "update/version_info.h"

namespace {

const std::wstring kSite = L"http://127.0.0.1:8080";
const std::string kNewer = "7.3.0.0\r\n new\r\n7.3.0.0\r\n neu";

// The smallest complete image: headers, one section of 512 bytes at 512.
std::string Executable() {
    std::string image(1024, '\0');
    image.replace(0, 2, "MZ");
    image[0x3C] = 0x40;
    image.replace(0x40, 4, std::string("PE\0\0", 4));
    image[0x46] = 1;                                            // sections
    image[0x54] = static_cast<char>(0xE0);                      // optional header size
    image.replace(0x58, 2, "\x0B\x01");                         // PE32
    image[0x58 + 0xE0 + 17] = 2, image[0x58 + 0xE0 + 21] = 2;  // 512 bytes at 512
    return image;
}

std::wstring Work(const wchar_t* name) { return ShellRoamingAppDataFolder() + L"\\Lumistrand\\" + name; }
std::string Read(const std::wstring& path) { return ShellReadFile(path, 1 << 16); }
std::string Narrow(const std::wstring& path) { return std::string(path.begin(), path.end()); }

TEST(UpdateRules, ScheduleVersionFileExecutableAndBatch) {
    const struct { bool daily, weekly; int last, today; bool due; } schedule[] = {
        {true, false, 3, 3, true}, {false, false, 1, 30, false}, {false, true, 28, 3, false},
        {false, true, 28, 4, false}, {false, true, 28, 5, true}, {false, true, 28, 29, false}, {false, true, 1, 8, false},
        {false, true, 1, 9, true}};
    for (const auto& c : schedule) {
        Settings settings;
        settings.daily = c.daily, settings.weekly = c.weekly, settings.lastcheck = static_cast<std::uint16_t>(c.last);
        EXPECT_EQ(UpdateCheckDue(settings, c.today), c.due) << c.last << " " << c.today;
    }
    const struct { std::string bytes; bool valid; const char* english; const char* german; } files[] = {
        {kNewer, true, " new\r\n", " neu"}, {"7.3.0.0\r\n7.3.0.0\r\n", true, "", ""},
        {"7.3.0.0\r\n a 7.3.0.0\r\n7.3.0.0\r\n b", true, " a 7.3.0.0\r\n", " b"},
        {"<html><body>404 Not Found</body></html>", false, "", ""}, {"", false, "", ""}, {"7.3.0.0\r\n new\r\n", false, "", ""},
        {"7.3.0.0\r\n new\r\n7.3.0.1\r\n neu", false, "", ""}, {"7.3.0.0\r\n new\r\n7.3.0.01\r\n", false, "", ""},
        {"17.3.0.0\r\n\r\n17.3.0.0\r\n", false, "", ""}, {std::string("7.3.0.0\r\n\0\r\n7.3.0.0\r\n", 20), false, "", ""},
        {kNewer + std::string(4096 - kNewer.size(), ' '), true, " new\r\n", nullptr},
        {kNewer + std::string(4097 - kNewer.size(), ' '), false, "", ""}};
    for (const auto& c : files) {
        const auto info = ParseVersionInfo(c.bytes);
        ASSERT_EQ(info.has_value(), c.valid) << c.bytes.substr(0, 40);
        if (info) {
            EXPECT_EQ(info->englishNotes, c.english);
            EXPECT_EQ(info->germanNotes, c.german ? c.german : info->germanNotes);
        }
    }
    const auto own = ParseVersionInfo(kOwnVersionText).value();
    for (const auto& [version, newer] : std::vector<std::pair<std::string, bool>>{
             {"7.2.0.0", false}, {"7.1.9.9", false}, {"6.9.0.0", false}, {"7.2.0.1", true}, {"8.0.0.0", true}})
        EXPECT_EQ(IsNewerVersion(ParseVersionInfo(version + "\r\n\r\n" + version + "\r\n").value(), own), newer) << version;
    const std::string image = Executable();
    for (const auto& [bytes, complete] : std::vector<std::pair<std::string, bool>>{
             {image, true}, {image.substr(0, 1023), false}, {image.substr(0, 0x60), false}, {"", false}, {"MZ", false},
             {std::string(files[3].bytes), false}, {std::string(image).replace(0x40, 2, "NE"), false},
             {std::string(image).replace(0x58, 2, "\x0B\x02"), true}, {std::string(image).replace(0x58, 2, "\x0B\x03"), false}})
        EXPECT_EQ(IsCompleteExecutable(bytes), complete) << bytes.size();
    EXPECT_EQ(UpdateSiteBase(L"http://127.0.0.1:8080//"), L"http://127.0.0.1:8080");
    EXPECT_EQ(UpdateSiteBase(L"file://C:/site"), kHomePage);
    EXPECT_EQ(InstallBatchText("C:\\A&B ^C %PATH%\\L.exe"), "timeout 5\r\n\"C:\\A&B ^C %%PATH%%\\L.exe\"\r\n");
    EXPECT_EQ(UninstallBatchText("C:\\P%1\\L.exe", "C:\\P%1\\unins000.exe"),
              "timeout 5\r\ndel /Q \"C:\\P%%1\\L.exe\"\r\n\"C:\\P%%1\\unins000.exe\"\r\n");
    for (const char* unsafe : {"C:\\?\\L.exe", "C:\\a\"&calc\"\\L.exe", "C:\\a\r\ncalc\\L.exe", ""}) {
        EXPECT_EQ(InstallBatchText(unsafe), "") << unsafe;
        EXPECT_EQ(UninstallBatchText("C:\\L.exe", unsafe), "") << unsafe;
    }
}

// What the end-to-end test cannot reach: a check started while another's dialog is up, the
// installer's path, and uninstall.
TEST(UpdateCheck, BusyInstallerPathAndUninstall) {
    ResetProgramState();
    FakeDownloadSetOverride(kSite + L"/");
    FakeDownloadServe(kSite + L"/version.inf", kNewer);
    FakeDialogSetUser(DialogWindow::Update, [] { CheckForUpdate(true), FakeDialogPress(DialogWindow::Update, IDC_UPDATE_INSTALL); });
    FakeDownloadSetInstalled(true);
    FakeDownloadServe(kSite + L"/setup_Lumistrand_7_3.exe", Executable());
    CheckForUpdate(false);
    EXPECT_EQ(FakeDownloadRequests(), (std::vector<std::wstring>{kSite + L"/version.inf", kSite + L"/setup_Lumistrand_7_3.exe"}));
    EXPECT_EQ(Read(Work(L"Lumistrand.bat")), "timeout 5\r\n\"" + Narrow(Work(L"setup_Lumistrand_7_3.exe")) + "\"\r\n");
    EXPECT_EQ(FakeQuietExitRequests(), 1u);
    UiLanguageSet(kLanguageGerman);
    EXPECT_EQ(UpdateDialogText(ParseVersionInfo(kOwnVersionText).value(), ParseVersionInfo(kNewer).value()),
              L" momentan ausgef\u00FChrte Version 7.2\r\n neue herunterladbare Version 7.3\r\n neu");
    const std::wstring program = ShellProgramPath(), folder = program.substr(0, program.rfind(L'\\'));
    ASSERT_TRUE(FolderCreate(folder));
    const struct { bool yes; std::wstring program; std::string batch; } uninstalls[] = {
        {false, program, "-"}, {true, folder + L"\\\u4E2D.exe", ""},
        {true, program, "timeout 5\r\ndel /Q \"" + Narrow(program) + "\"\r\n\"" + Narrow(folder) + "\\unins000.exe\"\r\n"}};
    for (const auto& c : uninstalls) {
        ResetProgramState();
        ShellWriteFile(Work(L"Lumistrand.bat"), "-");
        ShellWriteFile(folder + L"\\Lumistrand.xml", "<settings/>");
        FakeShellSetProgramPath(c.program);
        FakeMessageBoxAnswerYesNo(c.yes);
        g_settings.autostart = true;
        UninstallProgram();
        EXPECT_EQ(Read(Work(L"Lumistrand.bat")), c.batch);
        EXPECT_EQ(FakeShellOpenedFiles().size(), c.batch.size() > 1 ? 1u : 0u);
        EXPECT_EQ(FakeUnsavedExitRequests() + !g_settings.autostart + !ShellFileExists(folder + L"\\Lumistrand.xml"), c.yes ? 3u : 0u);
    }
}

}  // namespace
