// Saturation with the simulated graphics drivers copied next to the program: NVIDIA drives the
// first display (levels 0..63) and refuses the first write, AMD the second display (0..200).
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "tests/e2e/e2e_helpers.h"
#include "testing/wine/e2e_tray_win32.h"

namespace {

constexpr char kGpus[] = "gpu nvidia \\\\.\\DISPLAY1 20 0 63 0 53141 NVIDIA GeForce GTX 1060\n"
                         "gpu amd \\\\.\\DISPLAY2 100 0 200 100 0 AMD Radeon RX 580\n"
                         "gpufail NvAPI_SetDVCLevelEx 1\n";
const wchar_t* const kLibraries[] = {L"nvapi.dll", L"atiadlxx.dll"};

bool PlaceGpuLibraries(bool place) {
    for (const wchar_t* dll : kLibraries) {
        const std::wstring beside = ProgramPathBesideTests(dll);
        const std::wstring built = ProgramPathBesideTests((std::wstring(L"..\\gpu-sim\\") + dll).c_str());
        if (place ? !CopyFileW(built.c_str(), beside.c_str(), FALSE)
                  : !DeleteFileW(beside.c_str()) && GetLastError() != ERROR_FILE_NOT_FOUND) {
            return false;
        }
    }
    return true;
}

// The simulated libraries' lines that write, shortened to "Operation display=N in=V ... status=S".
std::vector<std::string> GpuWrites(const std::wstring& log) {
    std::vector<std::string> writes;
    for (const std::string& line : SimLogReadLines(log)) {
        if (line.find("_Set") != std::string::npos || line.find("SetDVC") != std::string::npos) {
            writes.push_back(line.substr(line.find(' ') + 1));
        }
    }
    return writes;
}

bool IconTipHas(const std::wstring& text) {
    return TrayWaitFor([&] {
        for (const std::wstring& tip : TrayIconTips()) if (tip.find(text) != std::wstring::npos) return true;
        return false;
    }, 5000);
}

TEST(SaturationE2e, IsReadAtStartAndWrittenThroughTheLibraryOfEachDisplay) {
    E2eSandbox sandbox;
    ASSERT_TRUE(E2ePrepare(sandbox, {{"minimizeflag", "Y"}}));
    ASSERT_TRUE(SimConfigWrite(sandbox, std::string(kFastDefaultMonitors) + kGpus));
    ASSERT_TRUE(PlaceGpuLibraries(true));
    ProgramProcess first;
    ASSERT_TRUE(StartFirstInstance(sandbox, first));
    HWND window = ProgramWaitForMainWindow(first, 0);
    const auto label = [&] {
        wchar_t text[16] = {};
        GetDlgItemTextW(window, 1354, text, 16);
        return std::wstring(text);
    };
    SendMessageW(window, WM_COMMAND, 40064, 0);
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(window, 1355)));
    EXPECT_EQ(SendDlgItemMessageW(window, 1355, TBM_GETPOS, 0, 0), 68);
    EXPECT_EQ(label(), L"S32");
    EXPECT_TRUE(IconTipHas(L"Saturation 32\n"));

    // Refused: the panel keeps showing what the driver holds.
    EXPECT_EQ(SecondStartWithCalls(sandbox, L"k 60").exitCode, 0u);
    EXPECT_EQ(label(), L"S32");
    EXPECT_EQ(SecondStartWithCalls(sandbox, L"k 60").exitCode, 0u);
    EXPECT_EQ(label(), L"S60");
    EXPECT_TRUE(IconTipHas(L"Saturation 60\n"));
    EXPECT_EQ(SecondStartWithCalls(sandbox, L"2 k 30").exitCode, 0u);
    EXPECT_EQ(label(), L"S30");
    EXPECT_EQ(GpuWrites(sandbox.simLog), (std::vector<std::string>{"NvAPI_SetDVCLevelEx display=0 in=38 cur=0 status=-1",
                                                                    "NvAPI_SetDVCLevelEx display=0 in=38 cur=38 status=0",
                                                                    "ADL_Display_Color_Set display=1 in=60 cur=60 status=0"}));
    ProgramKill(first);
    EXPECT_TRUE(PlaceGpuLibraries(false));
    E2eRemoveProgramFiles();
}

}  // namespace
