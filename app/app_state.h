// Process-wide state of the running program, owned by start-up and the main window.
// Handles are kept as integers so that portable code can read them.
#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "commands/normalise.h"

struct AppState {
    std::uintptr_t moduleHandle = 0;
    std::uint32_t mainThreadId = 0;
    std::uint32_t processId = 0;
    std::uint32_t hookThreadId = 0;  // the hook thread clears it when it ends
    std::uintptr_t instanceMutex = 0;
    std::array<wchar_t, kCommandBufferChars> commandLine{};  // the line to run next
    bool startedWithArguments = false;
    bool startedFromStartupFolder = false;
    bool restartRequested = false;
    bool hiddenRestart = false;
    bool quietExit = false;
    bool sessionEnding = false;
    bool configurationChanged = false;
    bool exitConfirmationShowing = false;
    std::int32_t exitCode = 0;
    std::uint32_t startTick = 0;
    std::wstring programSettingsPath;  // at most 519 characters
    std::int32_t fontSmoothing = 0;
};

extern AppState g_app;


// Copies text into the pending-line buffer, cut to fit, always terminated.
void SetPendingLine(std::wstring_view text);
