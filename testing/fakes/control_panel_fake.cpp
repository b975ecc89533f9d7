#include "testing/fakes/control_panel_fake.h"

namespace {

bool g_panelVisible = false;
std::uint32_t g_redraws = 0;

FakeDialogState& Panel() { return FakeDialog(DialogWindow::ControlPanel); }

template <typename Value>
Value Lookup(const std::map<int, Value>& map, int id, Value absent) {
    const auto found = map.find(id);
    return found == map.end() ? absent : found->second;
}

}  // namespace

void FakeControlPanelReset() {
    Panel() = FakeDialogState{};
    g_panelVisible = false;
    g_redraws = 0;
}

void FakeControlPanelSetVisible(bool visible) { g_panelVisible = visible; }

std::int32_t FakeSliderPosition(int controlId) { return Lookup(Panel().sliders, controlId, -1); }

std::wstring FakeControlText(int controlId) { return ControlText(controlId); }

bool FakeControlShown(int controlId) { return Lookup(Panel().visible, controlId, false); }

bool FakeControlWasSetVisible(int controlId) { return Panel().visible.count(controlId) != 0; }

bool FakeControlChecked(int controlId) { return Lookup(Panel().checked, controlId, false); }

FakeCombo FakeComboState(int controlId) { return Lookup(Panel().combos, controlId, FakeCombo{}); }

std::uint32_t FakeControlPanelRedraws() { return g_redraws; }

bool ControlPanelIsVisible() { return g_panelVisible; }

void ControlPanelRedraw() { ++g_redraws; }
