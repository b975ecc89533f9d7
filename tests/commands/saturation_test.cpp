#include <gtest/gtest.h>

#include "monitors/saturation.h"
#include "tests/commands/command_fixture.h"
#include "testing/fakes/gpu_fake.h"
#include "testing/sim/sim_config.h"

namespace {

constexpr std::uint32_t Missing(NvidiaEntry entry) { return 1u << static_cast<int>(entry); }
constexpr char kNvidia[] = "gpu nvidia \\\\.\\DISPLAY1 20 0 63 0 53141 NVIDIA GeForce GTX 1060\n";
constexpr char kAmd[] = "gpu amd \\\\.\\DISPLAY2 100 0 200 100 0 AMD Radeon RX 580\n";

// Initialisation, writes and the end of AMD control as "Operation d<display> [=value] [!status]".
std::vector<std::string> LibraryCalls() {
    std::vector<std::string> calls;
    for (const SimGpuCall& c : SimGpuCalls()) {
        const bool write = c.operation.find("Set") != std::string::npos;
        if (!write && c.operation.find("Initialize") == std::string::npos && c.operation.find("Control") == std::string::npos) continue;
        calls.push_back(c.operation + " d" + std::to_string(c.display) + (write ? " =" + std::to_string(c.valueIn) : "") +
                        (c.status != 0 ? " !" + std::to_string(c.status) : ""));
    }
    return calls;
}

TEST_F(CommandTest, SaturationGoesThroughTheLibraryOfTheDisplaysDriverAndShowsWhatItHolds) {
    const struct {
        const char* what;
        FakeGpuLibraries libraries;
        std::string gpuLines;
        std::vector<std::wstring> lines;
        std::vector<std::string> calls;  // start-up, the lines, exit
        std::int32_t atStart[2], atEnd[2];
        const wchar_t* adapters[2];
    } cases[] = {
        {"NVIDIA drives the first display, AMD the second; levels 0..63 and 0..200",
         {.nvidia = true, .amd = true}, std::string(kNvidia) + kAmd, {L"k 60", L"2 k 30"},
         {"NvAPI_Initialize d-1", "ADL_Main_Control_Create d-1", "NvAPI_SetDVCLevelEx d0 =38",
          "ADL_Display_Color_Set d1 =60", "ADL_Main_Control_Destroy d-1"},
         {32, 50}, {60, 30}, {L"NVIDIA GeForce GTX 1060", L"AMD Radeon RX 580"}},
        {"a refused write is not tried again and leaves the value the driver holds",
         {.nvidia = true}, std::string(kNvidia) + "gpufail NvAPI_SetDVCLevelEx 1\n", {L"k 60"},
         {"NvAPI_Initialize d-1", "NvAPI_SetDVCLevelEx d0 =38 !-1"}, {32, 0}, {32, 0}, {L"NVIDIA GeForce GTX 1060", L""}},
        {"nvapi without its display enumeration is never initialised",
         {.nvidia = true, .nvidiaMissing = Missing(NvidiaEntry::EnumDisplayHandle)}, kNvidia, {L"k 60"}, {}, {0, 0},
         {0, 0}, {L"", L""}},
        {"without the driver-version entry there is no adapter name, saturation still works",
         {.nvidia = true, .nvidiaMissing = Missing(NvidiaEntry::GetDisplayDriverVersion)}, kNvidia, {L"k 60"},
         {"NvAPI_Initialize d-1", "NvAPI_SetDVCLevelEx d0 =38"}, {32, 0}, {60, 0}, {L"", L""}},
        {"nvapi on a machine without an NVIDIA card", {.nvidia = true}, kAmd, {L"k 60"},
         {"NvAPI_Initialize d-1 !-6"}, {0, 0}, {0, 0}, {L"", L""}},
        {"ADL without all eight exports is never started", {.amd = true, .amdMissing = 1u << 7}, kAmd, {L"2 k 60"}, {},
         {0, 0}, {0, 0}, {L"", L""}},
        {"an AMD display without saturation gives its adapter name and refuses the write", {.amd = true},
         "gpu amd \\\\.\\DISPLAY1 0 0 0 0 0 AMD Radeon\n", {L"k 60"},
         {"ADL_Main_Control_Create d-1", "ADL_Display_Color_Set d0 =0 !-1", "ADL_Main_Control_Destroy d-1"}, {0, 0},
         {0, 0}, {L"AMD Radeon", L""}},
    };
    for (const auto& c : cases) {
        SetUp();
        SimConfig ignored;
        SimGpuConfig gpu;
        std::string error;
        ASSERT_TRUE(SimParseConfig(c.gpuLines, ignored, error, &gpu)) << error;
        SimGpuLoad(gpu);
        FakeGpuSetLibraries(c.libraries);
        LoadGpuLibraries();
        Discover();
        for (int i = 0; i < 2; ++i) {
            EXPECT_EQ(Entry(i).saturationInfo.current, c.atStart[i]) << c.what << i;
            EXPECT_EQ(Entry(i).gpuAdapterName, c.adapters[i]) << c.what << i;
        }
        for (const std::wstring& line : c.lines) Run(line);
        for (int i = 0; i < 2; ++i) EXPECT_EQ(Entry(i).saturationInfo.current, c.atEnd[i]) << c.what << i;
        EXPECT_EQ(FakeSliderPosition(kSliderSaturation), 100 - c.atEnd[g_monitors.selectedMonitor]) << c.what;
        FreeGpuLibraries();
        EXPECT_EQ(LibraryCalls(), c.calls) << c.what;
    }
}

}  // namespace
