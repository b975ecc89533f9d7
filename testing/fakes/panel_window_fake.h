// Records where portable code moves the control panel and whether it shows it.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "platform/panel_window.h"

struct FakePanel {
    ScreenRect rect{100, 100, 400, 300};
    ScreenRect desktop{0, 0, 1920, 1080};
    ScreenRect workArea{0, 0, 1920, 1040};
    bool canPlaceNextTo = true;
    std::optional<ScreenRect> excluded;  // the icon rectangle it was last placed beside
    std::uint32_t shown = 0;
    PanelLayout layout{};                   // the arrangement last applied
    std::int32_t pointerLine = -2;          // -2: the pointer is not over the list
    std::wstring listTip;                   // what the list's tooltip shows
    std::uint32_t listTipSet = 0;
};

void FakePanelWindowReset();
FakePanel& FakePanelWindow();
