#include "testing/fakes/main_window_fake.h"

namespace {

struct MainWindowRecord {
    std::vector<MainWindowCall> calls;
    std::map<std::uint32_t, std::uint32_t> activeTimers;
    std::vector<PostedCommand> queue;  // posted and not yet taken
    std::uintptr_t attached = 0;
};

MainWindowRecord g_window;

}  // namespace

void MainWindowAttach(std::uintptr_t window) { g_window.attached = window; }

void MainWindowDetach() { g_window.attached = 0; }

std::uintptr_t MainWindowId() { return g_window.attached; }

void MainWindowSetTimer(std::uint32_t id, std::uint32_t milliseconds) {
    g_window.calls.push_back({MainWindowCallKind::SetTimer, id, milliseconds, 0});
    g_window.activeTimers[id] = milliseconds;
}

void MainWindowKillTimer(std::uint32_t id) {
    g_window.calls.push_back({MainWindowCallKind::KillTimer, id, 0, 0});
    g_window.activeTimers.erase(id);
}

void MainWindowPostCommand(std::uint32_t commandId, std::intptr_t lParam) {
    g_window.calls.push_back({MainWindowCallKind::PostCommand, commandId, 0, lParam});
    g_window.queue.push_back({commandId, lParam});
}

void FakeMainWindowReset() { g_window = MainWindowRecord{}; }

const std::vector<MainWindowCall>& FakeMainWindowCalls() { return g_window.calls; }

const std::map<std::uint32_t, std::uint32_t>& FakeMainWindowActiveTimers() { return g_window.activeTimers; }

bool FakeMainWindowTimerActive(std::uint32_t id) { return g_window.activeTimers.contains(id); }

std::vector<PostedCommand> FakeMainWindowPostedCommands() {
    std::vector<PostedCommand> posted;
    for (const MainWindowCall& call : g_window.calls) {
        if (call.kind == MainWindowCallKind::PostCommand) {
            posted.push_back({call.id, call.lParam});
        }
    }
    return posted;
}

std::vector<PostedCommand> FakeMainWindowTakePostedCommands() {
    std::vector<PostedCommand> taken;
    taken.swap(g_window.queue);
    return taken;
}
