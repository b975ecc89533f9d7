#include "testing/fakes/control_panel_fake.h"

namespace {

struct PanelState {
    std::map<int, std::int32_t> sliders;
    std::map<int, std::wstring> texts;
    std::map<int, bool> visible;
    std::map<int, bool> checked;
    std::map<int, FakeCombo> combos;
    bool panelVisible = false;
    std::uint32_t redraws = 0;
};

PanelState g_panel;

template <typename Value>
Value Lookup(const std::map<int, Value>& map, int id, Value absent) {
    const auto found = map.find(id);
    return found == map.end() ? absent : found->second;
}

}  // namespace

void FakeControlPanelReset() {
    g_panel = PanelState{};
}

void FakeControlPanelSetVisible(bool visible) {
    g_panel.panelVisible = visible;
}

std::int32_t FakeSliderPosition(int controlId) {
    return Lookup(g_panel.sliders, controlId, -1);
}

std::wstring FakeControlText(int controlId) {
    return Lookup(g_panel.texts, controlId, std::wstring());
}

bool FakeControlShown(int controlId) {
    return Lookup(g_panel.visible, controlId, false);
}

bool FakeControlWasSetVisible(int controlId) {
    return g_panel.visible.count(controlId) != 0;
}

bool FakeControlChecked(int controlId) {
    return Lookup(g_panel.checked, controlId, false);
}

FakeCombo FakeComboState(int controlId) {
    return Lookup(g_panel.combos, controlId, FakeCombo{});
}

std::uint32_t FakeControlPanelRedraws() {
    return g_panel.redraws;
}

void ControlSetSlider(int controlId, std::int32_t position) {
    g_panel.sliders[controlId] = position;
}

void ControlSetText(int controlId, const std::wstring& text) {
    g_panel.texts[controlId] = text;
}

std::wstring ControlText(int controlId) {
    return FakeControlText(controlId);
}

void ControlSetVisible(int controlId, bool visible) {
    g_panel.visible[controlId] = visible;
}

void ControlSetChecked(int controlId, bool checked) {
    g_panel.checked[controlId] = checked;
}

void ComboClear(int controlId) {
    g_panel.combos[controlId] = FakeCombo{};
}

void ComboAdd(int controlId, const std::wstring& text) {
    g_panel.combos[controlId].items.push_back(text);
}

void ComboSelect(int controlId, const std::wstring& text) {
    FakeCombo& combo = g_panel.combos[controlId];
    for (std::size_t i = 0; i < combo.items.size(); ++i) {
        if (combo.items[i] == text) {
            combo.selected = static_cast<std::int32_t>(i);
            return;
        }
    }
}

bool ControlPanelIsVisible() {
    return g_panel.panelVisible;
}

void ControlPanelRedraw() {
    ++g_panel.redraws;
}
