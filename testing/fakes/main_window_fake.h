// Records what portable code asks of the main window, in order, for tests to inspect.
#pragma once
#include <cstdint>
#include <map>
#include <vector>

#include "platform/main_window.h"

enum class MainWindowCallKind { SetTimer, KillTimer, PostCommand };

struct MainWindowCall {
    MainWindowCallKind kind = MainWindowCallKind::SetTimer;
    std::uint32_t id = 0;            // timer id or command id
    std::uint32_t milliseconds = 0;  // SetTimer only
    std::intptr_t lParam = 0;        // PostCommand only
};

struct PostedCommand {
    std::uint32_t commandId = 0;
    std::intptr_t lParam = 0;
};

void FakeMainWindowReset();
const std::vector<MainWindowCall>& FakeMainWindowCalls();
// Timer id -> interval of every timer set and not killed since; setting an active id again
// replaces its interval, as SetTimer does.
const std::map<std::uint32_t, std::uint32_t>& FakeMainWindowActiveTimers();
bool FakeMainWindowTimerActive(std::uint32_t id);
std::vector<PostedCommand> FakeMainWindowPostedCommands();
// Returns the posted commands not yet taken and forgets them, as a message loop would.
std::vector<PostedCommand> FakeMainWindowTakePostedCommands();
