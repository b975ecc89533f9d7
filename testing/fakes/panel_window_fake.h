// Records where portable code moves the control panel and whether it shows it.
#pragma once
#include <cstdint>
#include <optional>

#include "platform/panel_window.h"

struct FakePanel {
    ScreenRect rect{100, 100, 400, 300};
    ScreenRect desktop{0, 0, 1920, 1080};
    ScreenRect workArea{0, 0, 1920, 1040};
    bool canPlaceNextTo = true;
    std::optional<ScreenRect> excluded;  // the icon rectangle it was last placed beside
    std::uint32_t shown = 0;
    std::int32_t cutFrom = 0, cutWidth = 0;  // the strip last left out
};

void FakePanelWindowReset();
FakePanel& FakePanelWindow();
