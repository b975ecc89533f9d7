#include "testing/fakes/dialog_controls_fake.h"

#include <array>

namespace {

constexpr std::size_t kWindows = static_cast<std::size_t>(DialogWindow::Count);

struct Dialogs {
    std::array<FakeDialogState, kWindows> state;
    std::array<const DialogSpec*, kWindows> open{};
    std::array<const ModelessSpec*, kWindows> modeless{};
    std::array<std::function<void()>, kWindows> users;
    std::vector<DialogWindow> runs;
};

Dialogs g_dialogs;

std::size_t At(DialogWindow window) { return static_cast<std::size_t>(window); }

template <typename Value>
Value Lookup(const std::map<int, Value>& map, int id, Value absent) {
    const auto found = map.find(id);
    return found == map.end() ? absent : found->second;
}

}  // namespace

void FakeDialogsReset() { g_dialogs = Dialogs{}; }

FakeDialogState& FakeDialog(DialogWindow window) { return g_dialogs.state[At(window)]; }

void FakeDialogSetUser(DialogWindow window, std::function<void()> user) { g_dialogs.users[At(window)] = std::move(user); }

bool FakeDialogPress(DialogWindow window, int controlId) {
    if (const ModelessSpec* modeless = g_dialogs.modeless[At(window)]) {
        if (!modeless->command(controlId)) return false;
        g_dialogs.modeless[At(window)] = nullptr;
        return true;
    }
    const DialogSpec* spec = g_dialogs.open[At(window)];
    if (spec == nullptr || !spec->command(controlId)) return false;
    g_dialogs.open[At(window)] = nullptr;
    return true;
}

bool FakeDialogWork(DialogWindow window) {
    const ModelessSpec* spec = g_dialogs.modeless[At(window)];
    return spec != nullptr && spec->work != nullptr && spec->work();
}

void FakeDialogChoose(DialogWindow window, int controlId, std::int32_t index) {
    if (const ModelessSpec* spec = g_dialogs.modeless[At(window)]) spec->chosen(controlId, index);
}

const std::vector<DialogWindow>& FakeDialogRuns() { return g_dialogs.runs; }

void DialogSetSlider(DialogWindow window, int controlId, std::int32_t position) {
    FakeDialog(window).sliders[controlId] = position;
    FakeDialog(window).sliderMoves[controlId].push_back(position);
}

void DialogSetText(DialogWindow window, int controlId, const std::wstring& text) {
    FakeDialog(window).texts[controlId] = text;
}

std::wstring DialogText(DialogWindow window, int controlId) {
    return Lookup(FakeDialog(window).texts, controlId, std::wstring());
}

void DialogSetVisible(DialogWindow window, int controlId, bool visible) {
    FakeDialog(window).visible[controlId] = visible;
}

void DialogSetEnabled(DialogWindow window, int controlId, bool enabled) {
    FakeDialog(window).enabled[controlId] = enabled;
}

void DialogSetCaption(DialogWindow window, const std::wstring& caption) { FakeDialog(window).caption = caption; }

void DialogSetChecked(DialogWindow window, int controlId, bool checked) {
    FakeDialog(window).checked[controlId] = checked;
}

bool DialogIsChecked(DialogWindow window, int controlId) { return Lookup(FakeDialog(window).checked, controlId, false); }

void DialogComboClear(DialogWindow window, int controlId) { FakeDialog(window).combos[controlId] = FakeCombo{}; }

void DialogComboAdd(DialogWindow window, int controlId, const std::wstring& text) {
    FakeDialog(window).combos[controlId].items.push_back(text);
}

void DialogComboSelect(DialogWindow window, int controlId, const std::wstring& text) {
    FakeCombo& combo = FakeDialog(window).combos[controlId];
    for (std::size_t i = 0; i < combo.items.size(); ++i) {
        if (combo.items[i] == text) {
            combo.selected = static_cast<std::int32_t>(i);
            return;
        }
    }
}

std::wstring DialogComboSelected(DialogWindow window, int controlId) {
    const FakeCombo combo = Lookup(FakeDialog(window).combos, controlId, FakeCombo{});
    const auto index = static_cast<std::size_t>(combo.selected);
    return combo.selected < 0 || index >= combo.items.size() ? std::wstring() : combo.items[index];
}

void DialogSetHotkey(DialogWindow window, int controlId, std::int32_t value) {
    FakeDialog(window).hotkeys[controlId] = value & 0xFFFF;
}

std::int32_t DialogHotkey(DialogWindow window, int controlId) {
    return Lookup(FakeDialog(window).hotkeys, controlId, std::int32_t{0});
}

void DialogSetTime(DialogWindow window, int controlId, std::uint16_t hour, std::uint16_t minute) {
    FakeDialog(window).times[controlId] = {hour, minute};
}

void DialogTime(DialogWindow window, int controlId, std::uint16_t& hour, std::uint16_t& minute) {
    const auto found = FakeDialog(window).times.find(controlId);
    if (found == FakeDialog(window).times.end()) return;
    hour = found->second.first;
    minute = found->second.second;
}

void DialogSetTabStops(DialogWindow window, int controlId, std::span<const int> dialogUnits) {
    FakeDialog(window).tabStops[controlId].assign(dialogUnits.begin(), dialogUnits.end());
}

void DialogSetRichText(DialogWindow window, int controlId, std::span<const TextRun> runs) {
    FakeDialog(window).richText[controlId].assign(runs.begin(), runs.end());
}

bool DialogHasFocus(DialogWindow window, int controlId) { return FakeDialog(window).focus == controlId; }

bool DialogPickColour(DialogWindow window, std::uint32_t& colour) {
    const auto picked = FakeDialog(window).pickedColour;
    if (picked) colour = *picked;
    return picked.has_value();
}

bool DialogPickFile(DialogWindow window, bool, const wchar_t*, std::wstring& path) {
    const auto picked = FakeDialog(window).pickedFile;
    if (picked) path = *picked;
    return picked.has_value();
}

void DialogSetTips(DialogWindow window, std::span<const ControlTip> tips) {
    for (const ControlTip& tip : tips) FakeDialog(window).tips[tip.controlId] = tip.text;
}

void DialogListSetColumns(DialogWindow window, int controlId, std::span<const ListColumn> columns) {
    FakeDialog(window).columns[controlId].assign(columns.begin(), columns.end());
}

void DialogListAppend(DialogWindow window, int controlId, std::span<const std::wstring> cells, bool red) {
    FakeDialog(window).lists[controlId].push_back({{cells.begin(), cells.end()}, red});
}

void DialogListFitRows(DialogWindow, int) {}

bool DialogOpenModeless(const ModelessSpec& spec) {
    g_dialogs.runs.push_back(spec.window);
    if (g_dialogs.modeless[At(spec.window)] != nullptr) return false;
    g_dialogs.modeless[At(spec.window)] = &spec;
    spec.open();
    return true;
}

bool DialogRun(const DialogSpec& spec) {
    g_dialogs.runs.push_back(spec.window);
    if (g_dialogs.open[At(spec.window)] != nullptr) return false;
    g_dialogs.open[At(spec.window)] = &spec;
    spec.open();
    if (const auto& user = g_dialogs.users[At(spec.window)]) user();
    g_dialogs.open[At(spec.window)] = nullptr;
    return true;
}

bool DialogIsOpen(DialogWindow window) {
    return g_dialogs.open[At(window)] != nullptr || g_dialogs.modeless[At(window)] != nullptr;
}

void DialogClose(DialogWindow window) {
    g_dialogs.open[At(window)] = nullptr;
    g_dialogs.modeless[At(window)] = nullptr;
}
