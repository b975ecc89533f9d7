// How a hook hands a line to the main window: one buffer, guarded by the ready flag. The hook
// thread only copies and posts; the main window runs the line and, after a short pause, lets
// the next one through. Lines that come while one is held back are dropped.
#pragma once
#include <cstdint>
#include <string_view>

// The hook's part: false when the previous line is still held back (the line is dropped).
bool SubmitHookCommand(std::wstring_view line);
bool HookCommandReady();
// How long the main window holds the next line back after this one: 10 ms, longer after a
// relative volume step so the audio device keeps up (less on a machine with 6 GiB or more).
std::uint32_t HookReleaseDelay(std::wstring_view line, bool largeMemory);
void SetHookLargeMemory(bool largeMemory);

// The main window's part, on the handed-over command: arms the release timer and submits the line.
void RunHookCommand(std::uint32_t releaseDelay);
// The release timer: nudges the pointer so a tooltip shows the new value, then lets the next line through.
void ReleaseHookCommand();

// Tick of the last key or mouse event the hooks saw; dimming after inactivity reads it.
std::uint32_t LastInputTick();
void NoteInput(std::uint32_t tick);

void HookHandoverReset();
