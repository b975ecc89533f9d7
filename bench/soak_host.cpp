// Soak of the running instance's line handling on the host (ASan and UBSan, virtual clock):
// 10,000 lines drawn from the interpreter's fuzz corpus and from the command letters, run as
// command 40072 runs them, against the simulated monitors with 30 % of DDC calls failing.
// Prints: crashes and sanitizer reports (the soak runs in a child process), lines that logged
// fewer errors than calls failed (on a monitor; listing a display's monitors, which the setters'
// walk does not log), whether the settings pair saved at the end loads back equal, and the live
// heap at the start and the end.
//   soak_bench <folder of the interpreter's fuzz corpus> [lines]
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "app/pending_line.h"
#include "app/start_facts.h"
#include "app/forwarding.h"
#include "app/submit.h"
#include "bench/utf16_count.h"
#include "commands/normalise.h"
#include "monitors/discovery.h"
#include "monitors/monitor_table.h"
#include "settings/settings.h"
#include "settings/settings_keys.h"
#include "settings/settings_store.h"
#include "testing/fakes/clock_fake.h"
#include "testing/fakes/files_fake.h"
#include "testing/fakes/instance_fake.h"
#include "testing/fakes/main_window_fake.h"
#include "testing/fakes/settings_file_fake.h"
#include "testing/fakes/shell_fake.h"
#include "testing/sim/sim_model.h"
#include "vcp/vcp_code_table.h"

// The sanitizer runtime's count of live heap bytes (g++ ships no header for it).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();

namespace {

namespace fs = std::filesystem;

constexpr double kFailureRate = 0.3;
constexpr std::uint32_t kSeed = 20260101;

// Each command of the language with the argument forms it takes; {} stands for a number.
const char* const kCommands[] = {
    "b {}", "b+{}", "b-{}", "c {}", "c+{}", "c-{}", "r {}", "g+{}", "l-{}", "i {}", "o {}", "k {}", "v {}", "v+{}",
    "n {}", "y {}", "m", "u", "d", "e", "?", ";", ",", "f", "x", "w", "p 6500k", "p user", "p {}", "s hdmi1",
    "s {}", "j movie", "j {}", "a {} {} {} {}", "t b {} {}", "q", "z", "setvcp 0x10 {}", "setvcp 0x62 {}",
    "getvcp 0x12", "get_vcp 0x10", "get_vcp 0xd6", "1 ", "2 ", "3 ", "rtk", "pd3220u", "\"generic pnp\"",
};

std::string ReadFile(const fs::path& path, std::size_t from = 0) {
    std::ifstream in(path, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(from));
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class LineSource {
public:
    explicit LineSource(std::vector<std::string> corpus) : corpus_(std::move(corpus)) {}

    std::wstring Next() {
        std::string line;
        if (!corpus_.empty() && Pick(5) == 0) {
            line = corpus_[Pick(corpus_.size())];
        } else {
            for (std::size_t count = 1 + Pick(4); count > 0; --count) {
                std::string command = kCommands[Pick(std::size(kCommands))];
                for (std::size_t at = command.find("{}"); at != std::string::npos; at = command.find("{}"))
                    command.replace(at, 2, std::to_string(Pick(5) == 0 ? Pick(70000) : Pick(101)));
                line += command + " ";
            }
        }
        return std::wstring(line.begin(), line.end());
    }

private:
    std::size_t Pick(std::size_t below) { return std::uniform_int_distribution<std::size_t>(0, below - 1)(random_); }

    std::vector<std::string> corpus_;
    std::mt19937 random_{kSeed};
};

// Failed calls of the line: on a physical monitor, and listing a display's physical monitors.
struct FailedCalls {
    std::size_t onMonitor = 0;
    std::size_t listing = 0;
};

FailedCalls CountFailedCalls() {
    FailedCalls failed;
    for (const SimTransaction& t : SimTransactions()) {
        if (!t.ok) ++(t.monitor >= 0 ? failed.onMonitor : failed.listing);
    }
    return failed;
}

// The pairs a file holds, read into default settings and written out again.
SettingsPairs PairsAsLoaded(const std::wstring& path, bool& loaded) {
    Settings settings;
    SettingsApplyDefaults(settings);
    SettingsStatus status;
    loaded = SettingsFileRead(path, [&](std::wstring_view key, std::wstring_view value) {
        SettingsApplyPair(settings, status, key, value);
    });
    return SettingsWriteList(settings, status, false);
}

void Prepare(const fs::path& folder) {
    fs::remove_all(folder);
    fs::create_directories(folder);
    FakeShellSetRoamingFolder(folder.wstring());
    FakeClockReset();
    SimReset();
    VcpCodeTableBuild();
    SettingsApplyDefaults(g_settings);
    FakeSettingsFiles()[kSettingsFileName];  // a writable file beside the exe
    SettingsLoad();
    g_settings.logfileflag = true;
    SimSetFailureProbability(kFailureRate, kSeed);
    DiscoverMonitors(false);
    g_monitors.startupPass = false;
}

int RunSoak(const fs::path& corpusFolder, int lineCount) {
    const fs::path folder = fs::temp_directory_path() / "lumistrand-soak";
    Prepare(folder);
    std::vector<std::string> corpus;
    for (const auto& entry : fs::directory_iterator(corpusFolder)) corpus.push_back(ReadFile(entry.path()));
    LineSource lines(corpus);
    const std::size_t heapAtStart = __sanitizer_get_current_allocated_bytes();

    int unloggedOnMonitor = 0, unloggedListing = 0;
    std::size_t failedCalls = 0, logOffset = 0;
    for (int i = 0; i < lineCount; ++i) {
        SimClearTransactions();
        SetPendingLine(NormaliseCommandLine(lines.Next()));
        RunPendingLine(kOriginInternal, g_start.mainThreadId);
        const std::string logged = ReadFile(FakeFilesHostPath(g_settings.logfile), logOffset);
        logOffset += logged.size();
        const FailedCalls failed = CountFailedCalls();
        const std::size_t listingErrors = Utf16Occurrences(logged, L"FromHMONITOR ERROR");
        if (Utf16Occurrences(logged, L" ERROR ") - listingErrors < failed.onMonitor) ++unloggedOnMonitor;
        if (listingErrors < failed.listing) ++unloggedListing;
        failedCalls += failed.onMonitor + failed.listing;
        // Posted commands and timers, which a message loop would take; the soak stays with the lines.
        FakeMainWindowReset();
        FakeInstanceReset();
    }
    const std::size_t heapAtEnd = __sanitizer_get_current_allocated_bytes();

    SettingsSaveBoth();
    const SettingsPairs saved = SettingsWriteList(g_settings, g_settingsStatus, false);
    bool pairLoads = true;
    for (const std::wstring& path : {std::wstring(kSettingsFileName), SettingsProfilePath()}) {
        bool loaded = false;
        pairLoads = pairLoads && PairsAsLoaded(path, loaded) == saved && loaded;
    }
    fs::remove_all(folder);

    std::printf("lines: %d, DDC calls that failed: %zu (each call fails with probability %.0f %%)\n", lineCount, failedCalls,
                kFailureRate * 100);
    std::printf("lines that logged fewer errors than calls on a monitor failed: %d (goal 0)\n", unloggedOnMonitor);
    std::printf("lines that logged fewer errors than listings of physical monitors failed: %d\n", unloggedListing);
    std::printf("settings pair saved at the end loads back equal: %s (goal yes)\n", pairLoads ? "yes" : "no");
    std::printf("live heap: %zu KiB at the start, %zu KiB at the end\n", heapAtStart / 1024, heapAtEnd / 1024);
    std::fflush(stdout);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: soak_bench <interpreter corpus folder> [lines]\n");
        return 2;
    }
    const int lineCount = argc > 2 ? std::atoi(argv[2]) : 10000;
    // A sanitizer report ends the process, so the soak runs in a child and is judged by its end.
    const pid_t child = fork();
    if (child == 0) std::exit(RunSoak(argv[1], lineCount));
    int status = 0;
    waitpid(child, &status, 0);
    const bool clean = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    std::printf("crashes and sanitizer reports: %d (goal 0)\n", clean ? 0 : 1);
    return clean ? 0 : 1;
}
