// How long the real VCP explorer takes to list a monitor's codes, beside what the bus needs:
// one 40 ms reply per code read (the simulator's default latency), counted in the simulator's
// log. Under Wine against the simulated monitors; rounds with the announced codes of the first
// monitor, then one round with Ctrl+Shift held (every code). Prints figures only; run by
// bench/run_vcp_explorer_bench.sh.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench/bench_process_win32.h"
#include "tests/e2e/e2e_helpers.h"

namespace {

constexpr int kRounds = 5;
constexpr double kReplyMs = 40.0;

HWND ExplorerWindow() { return FindWindowW(L"#32770", L"VCP-codes"); }

void HoldCtrlShift(bool down) {
    INPUT keys[2] = {};
    const WORD codes[2] = {VK_LCONTROL, VK_LSHIFT};
    for (int i = 0; i < 2; ++i) {
        keys[i].type = INPUT_KEYBOARD;
        keys[i].ki.wVk = codes[i];
        keys[i].ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    }
    SendInput(2, keys, sizeof(INPUT));
}

struct Round {
    double elapsedMs = -1;
    size_t reads = 0;
    LRESULT rows = 0;
};

Round OpenOnce(const E2eSandbox& sandbox, HWND main, bool tryAll) {
    Round round;
    const size_t before = SimLogReadLines(sandbox.simLog).size();
    if (tryAll) {
        HoldCtrlShift(true);
        Sleep(300);  // the program's keyboard hook passes the keys on before they count as held
    }
    const DWORD start = GetTickCount();
    PostMessageW(main, WM_COMMAND, 1373, 0);
    HWND explorer = nullptr;
    bool held = tryAll;
    // The keys count while the explorer opens; then they are let go as a user would.
    while (GetTickCount() - start < 60000 && ((explorer = ExplorerWindow()) == nullptr || !IsWindowVisible(explorer))) {
        if (held && GetTickCount() - start > 500) held = (HoldCtrlShift(false), false);
        Sleep(5);
    }
    if (held) HoldCtrlShift(false);
    if (explorer == nullptr || !IsWindowVisible(explorer)) return round;
    round.elapsedMs = GetTickCount() - start;
    round.rows = SendDlgItemMessageW(explorer, 1375, LVM_GETITEMCOUNT, 0, 0);
    for (const std::string& call : SimValueCalls(sandbox.simLog, before)) {
        round.reads += call.rfind("GetVCPFeatureAndVCPFeatureReply", 0) == 0;
    }
    PostMessageW(explorer, WM_COMMAND, IDOK, 0);
    for (const DWORD closing = GetTickCount(); ExplorerWindow() != nullptr && GetTickCount() - closing < 5000;) Sleep(10);
    return round;
}

void Print(const char* what, const Round& round) {
    const double bus = static_cast<double>(round.reads) * kReplyMs;
    std::printf("%-22s %5.0f ms   %3zu reads x 40 ms = %5.0f ms   %.2fx   %ld rows\n", what, round.elapsedMs, round.reads,
                bus, bus > 0 ? round.elapsedMs / bus : 0.0, static_cast<long>(round.rows));
}

}  // namespace

int wmain() {
    std::string monitors = kFastDefaultMonitors;
    monitors.replace(0, monitors.find("latency enumerate"), "latency reply 40\nlatency write 50\nlatency caps 50\n");
    E2eSandbox sandbox;
    ProgramProcess first;
    if (!E2ePrepare(sandbox, {{"minimizeflag", "Y"}}) || !SimConfigWrite(sandbox, monitors) ||
        !StartFirstInstance(sandbox, first)) {
        std::printf("Lumistrand.exe did not start\n");
        return 1;
    }
    const HWND main = ProgramWaitForMainWindow(first, 0);
    std::printf("explorer open (1373 posted until the list shows) beside the bus minimum\n");
    std::vector<double> ratios;
    for (int i = 0; i < kRounds; ++i) {
        const Round round = OpenOnce(sandbox, main, false);
        Print("announced codes", round);
        if (round.reads > 0) ratios.push_back(round.elapsedMs / (static_cast<double>(round.reads) * kReplyMs));
    }
    BenchSeriesPrint("ratio to the bus", ratios, "x");
    Print("every code (ctrl+shift)", OpenOnce(sandbox, main, true));
    QuitFirstInstance(sandbox, first);
    E2eRemoveProgramFiles();
    return 0;
}
