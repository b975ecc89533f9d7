#include "testing/fakes/panel_window_fake.h"

namespace {
FakePanel g_panel;
}  // namespace

void FakePanelWindowReset() { g_panel = FakePanel{}; }

FakePanel& FakePanelWindow() { return g_panel; }

ScreenRect PanelWindowRect() { return g_panel.rect; }

ScreenRect PanelDesktopRect() { return g_panel.desktop; }

ScreenRect PanelWorkAreaAt(std::int32_t, std::int32_t) { return g_panel.workArea; }

bool PanelMoveNextTo(std::int32_t anchorX, std::int32_t, const ScreenRect& exclude) {
    if (!g_panel.canPlaceNextTo) return false;
    g_panel.excluded = exclude;
    // Centred above the anchor, as the system prefers when there is room.
    const std::int32_t width = g_panel.rect.right - g_panel.rect.left, height = g_panel.rect.bottom - g_panel.rect.top;
    g_panel.rect = {anchorX - width / 2, exclude.top - height, anchorX - width / 2 + width, exclude.top};
    return true;
}

void PanelMoveTo(std::int32_t x, std::int32_t y) {
    const std::int32_t width = g_panel.rect.right - g_panel.rect.left, height = g_panel.rect.bottom - g_panel.rect.top;
    g_panel.rect = {x, y, x + width, y + height};
}

void PanelShowInFront() { ++g_panel.shown; }

void PanelApplyLayout(const PanelLayout& layout) { g_panel.layout = layout; }

void PanelCreateTooltips() {}

bool PanelPointerListLine(std::int32_t& line) {
    line = g_panel.pointerLine;
    return line != -2;
}

void PanelSetListTip(const std::wstring&, const std::wstring& text) {
    g_panel.listTip = text;
    ++g_panel.listTipSet;
}

void PanelHideTooltips() { g_panel.listTip.clear(); }
