#include "hooks/handover.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cwctype>

#include "commands/normalise.h"
#include "platform/input.h"
#include "platform/instance.h"
#include "platform/main_window.h"
#include "platform/requests.h"
#include "res/resource.h"
#include "settings/settings.h"

namespace {

// Written by the hook thread only while g_ready was set, read by the main thread only after
// the posted command; the flag's release/acquire orders the two.
std::array<wchar_t, kCommandLineMaxChars + 1> g_line{};
std::atomic<bool> g_ready = true;
std::atomic<bool> g_largeMemory = false;
std::atomic<std::uint32_t> g_lastInput = 0;

bool IsVolumeStep(std::wstring_view line) {
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (std::towlower(line[i]) != L'v') continue;
        std::size_t sign = i + 1;
        while (sign < line.size() && sign - i <= 5 && line[sign] == L' ') ++sign;
        if (sign < line.size() && sign - i <= 6 && (line[sign] == L'+' || line[sign] == L'-')) return true;
    }
    return false;
}

}  // namespace

std::uint32_t HookReleaseDelay(std::wstring_view line, bool largeMemory) {
    if (!IsVolumeStep(line)) return 10;
    return largeMemory ? 100 : 150;
}

void SetHookLargeMemory(bool largeMemory) { g_largeMemory = largeMemory; }

bool SubmitHookCommand(std::wstring_view line) {
    bool expected = true;
    if (!g_ready.compare_exchange_strong(expected, false, std::memory_order_acquire)) return false;
    const std::size_t length = std::min(line.size(), g_line.size() - 1);
    std::fill(std::copy_n(line.begin(), length, g_line.begin()), g_line.end(), L'\0');
    MainWindowPostCommand(kCommandHookLine, HookReleaseDelay(line, g_largeMemory));
    return true;
}

bool HookCommandReady() { return g_ready; }

void RunHookCommand(std::uint32_t releaseDelay) {
    if (g_ready.load(std::memory_order_acquire)) return;
    MainWindowSetTimer(kTimerHookRelease, releaseDelay);
    SubmitCommandLine(g_line.data(), kOriginInternalPosted);
}

void ReleaseHookCommand() {
    if (g_settings.tooltips) PointerNudge();
    g_ready.store(true, std::memory_order_release);
}

std::uint32_t LastInputTick() { return g_lastInput; }

void NoteInput(std::uint32_t tick) { g_lastInput = tick; }

void HookHandoverReset() {
    g_line.fill(L'\0');
    g_ready = true;
    g_largeMemory = false;
    g_lastInput = 0;
}
