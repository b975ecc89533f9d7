// Time a hook procedure spends deciding per event: 10,000 synthetic key and mouse events
// (modifiers, hotkeys, misses, moves, wheel over an icon and elsewhere) through the host
// decision path, median and maximum. The system drops a low-level hook that takes longer
// than its timeout (LowLevelHooksTimeout, at most 1 s), so the figures must stay far below.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "hooks/handover.h"
#include "hooks/mouse_hook.h"
#include "monitors/discovery.h"
#include "monitors/monitor_table.h"
#include "platform/main_window.h"
#include "platform/requests.h"
#include "settings/settings.h"
#include "testing/fakes/clock_fake.h"
#include "testing/fakes/input_fake.h"
#include "testing/fakes/main_window_fake.h"
#include "testing/fakes/notify_icon_fake.h"
#include "testing/program_state.h"
#include "tray/icon_set.h"

int main() {
    ResetProgramState();
    MainWindowAttach(1);
    for (int i = 0; i < kMonitorCount; ++i) g_monitors.entries[i].deviceUid = L"UID" + std::to_wstring(i);
    DiscoverMonitors(false);
    UpdateIcons();
    FakeNotifyIconSetRect(IconSlotOf(1, IconKind::Brightness).guid, {100, 1040, 116, 1056});
    for (int i = 0; i < 15; ++i) {
        g_settings.hotkey[i] = 0x0600 | (0x70 + i);
        g_settings.editbuffer[i] = L"b + " + std::to_wstring(i);
    }
    g_settings.wheel[7] = {L"alt+ctrl+shift+win", L"backwards", L"c - 5"};
    const HookConfig config = LoadHookConfig(g_settings);
    FakeInputSetNotificationArea(true);

    constexpr int kEvents = 10000;
    std::vector<double> micros;
    micros.reserve(kEvents);
    for (int i = 0; i < kEvents; ++i) {
        FakeClockAdvance(7);
        const std::uint32_t now = ClockTickCount();
        const auto start = std::chrono::steady_clock::now();
        HookVerdict verdict;
        switch (i % 5) {
            case 0: verdict = OnKeyEvent(config, {162 + (i / 5) % 4, (i / 10) % 2 == 0}, now); break;
            case 1: verdict = OnKeyEvent(config, {0x70 + i % 16, true}, now); break;
            case 2: verdict = OnMouseEvent(config, {MouseEventKind::Move, i % 1280, 500, 0}, now); break;
            case 3: verdict = OnMouseEvent(config, {MouseEventKind::Wheel, 108, 1048, 120}, now); break;
            default: verdict = OnMouseEvent(config, {MouseEventKind::Wheel, 600, 500, -120}, now); break;
        }
        if (!verdict.line.empty()) SubmitHookCommand(verdict.line);
        micros.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
        if (!HookCommandReady()) {
            FakeMainWindowTakePostedCommands();
            ReleaseHookCommand();
        }
    }
    std::sort(micros.begin(), micros.end());
    std::printf("hook decision per event over %d events: median %.2f us, maximum %.2f us\n", kEvents,
                micros[kEvents / 2], micros.back());
    return 0;
}
