// Balloons that confirm a change made while the control panel is hidden. ShowNotification
// (platform/requests.h) shows one; the main window's balloon timer hides it.
#pragma once
#include <cstdint>

inline constexpr std::uint32_t kBalloonShowMs = 3000;

// Empties the balloon's text, which takes it away; nothing when no balloon was shown.
void HideNotification();

// Back to the state at start, for tests.
void BalloonReset();
