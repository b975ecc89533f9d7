#include "testing/program_state.h"
#include "testing/sim/sim_environment.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cwchar>
#include <fstream>
#include <sstream>

#include "testing/fakes/clock_fake.h"
#include "testing/sim/sim_config.h"

namespace {

namespace fs = std::filesystem;

class SimEnvironmentTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
        folder_ = fs::path(::testing::TempDir()) / ("sim-env-" + std::to_string(::getpid()));
        fs::create_directories(folder_);
    }
    void TearDown() override {
        fs::remove_all(folder_);
        SimReset();
    }

    fs::path Write(const char* name, const std::string& text) {
        const fs::path path = folder_ / name;
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }

    static std::string Read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    fs::path folder_;
};

constexpr const char* kOneMonitor = "display \\\\.\\DISPLAY1 0 0 10 10\nmonitor Only\nvcp 10 5 100\n";

TEST(SimDisplayMapping, NameThenNumberThenPosition) {
    SimConfig config;
    for (const wchar_t* name : {L"\\\\.\\DISPLAY2", L"\\\\.\\DISPLAY1", L"\\\\.\\Custom"}) {
        SimDisplay display;
        display.deviceName = name;
        config.displays.push_back(display);
    }
    struct Case {
        const wchar_t* device;
        std::int32_t position;
        std::int32_t expected;
    };
    const Case cases[] = {
        {L"\\\\.\\DISPLAY1", 0, 1},   // exact name beats the number and the position
        {L"\\\\.\\Custom", 0, 2},
        {L"\\\\.\\DISPLAY3", 0, 2},   // unknown name: its number
        {L"\\\\.\\DISPLAY9", 1, 1},   // number out of range: the position
        {L"\\\\.\\DISPLAY0", 0, 0},
        {L"\\\\.\\DISPLAY1x", 2, 2},
        {L"\\\\.\\DISPLAY", 1, 1},
        {L"", 3, -1},
        {L"", -1, -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SimDisplayForDevice(config, c.device, c.position), c.expected)
            << std::string(c.device, c.device + std::wcslen(c.device)) << " at " << c.position;
    }
}

TEST_F(SimEnvironmentTest, StateFileCarriesMonitorsAcrossProcesses) {
    const fs::path config = Write("sim.cfg", kOneMonitor);
    const fs::path state = folder_ / "sim.state";
    std::string error;
    ASSERT_TRUE(SimLoadFiles(config, state, error)) << error;
    ASSERT_EQ(SimCurrent().displays.size(), 1u);
    EXPECT_EQ(SimMonitorAt(0)->vcp.at(0x10).current, 5u);

    SimMonitorAt(0)->vcp.at(0x10).current = 66;
    ASSERT_TRUE(SimSaveState(state));
    EXPECT_FALSE(fs::exists(folder_ / "sim.state.new"));
    ASSERT_TRUE(SimSaveState(state));  // replacing an existing file works too

    // The next process: the state wins over the configuration.
    SimReset();
    ASSERT_TRUE(SimLoadFiles(config, state, error)) << error;
    EXPECT_EQ(SimMonitorAt(0)->vcp.at(0x10).current, 66u);
    EXPECT_EQ(SimMonitorAt(0)->vcp.at(0x10).factory, 5u);

    ASSERT_TRUE(SimLoadFiles({}, {}, error));
    EXPECT_EQ(SimCurrent().displays.size(), 2u);  // the built-in default
}

TEST_F(SimEnvironmentTest, BrokenFilesLeaveNoMonitorsAndSayWhy) {
    std::string error;
    const fs::path bad = Write("bad.cfg", std::string(kOneMonitor) + "vcp zz 1 2\n");
    EXPECT_FALSE(SimLoadFiles(bad, {}, error));
    EXPECT_NE(error.find("bad.cfg: line 4: expected: vcp"), std::string::npos) << error;
    EXPECT_TRUE(SimCurrent().displays.empty());

    EXPECT_FALSE(SimLoadFiles(folder_ / "missing.cfg", {}, error));
    EXPECT_NE(error.find("cannot be read"), std::string::npos);

    const fs::path badState = Write("bad.state", "monitor before display\n");
    EXPECT_FALSE(SimLoadFiles(Write("good.cfg", kOneMonitor), badState, error));
    EXPECT_NE(error.find("bad.state: line 1"), std::string::npos) << error;
    EXPECT_TRUE(SimCurrent().displays.empty());
}

TEST_F(SimEnvironmentTest, LogLinesAreAppended) {
    const fs::path log = folder_ / "sim.log";
    ASSERT_TRUE(SimAppendLogLine(log, "first"));
    ASSERT_TRUE(SimAppendLogLine(log, "second"));
    EXPECT_EQ(Read(log), "first\nsecond\n");
    EXPECT_FALSE(SimAppendLogLine(folder_ / "no-such-folder" / "sim.log", "lost"));
}

}  // namespace
