#include "ui/control_panel_presenter.h"

#include <algorithm>
#include <array>
#include <string>

#include "audio/audio.h"
#include "monitors/monitor_list.h"
#include "monitors/monitor_table.h"
#include "platform/control_panel.h"
#include "platform/requests.h"
#include "settings/settings.h"
#include "settings/texts.h"

namespace {

// How the control panel, the monitor list and the balloons show one kind of value.
struct ValueView {
    int slider;
    int label;
    TextId caption;
    std::int32_t maximum;  // the slider runs upside down: position = maximum - value
    int listColumn;        // -1: the monitor list has no column for it
    NotificationKind notification;
    std::int32_t (*of)(const MonitorEntry& entry);
};

constexpr ValueView kViews[] = {
    {kSliderBrightness, kLabelBrightness, TextId::CaptionBrightness, 100, kColumnBrightness, NotificationKind::Brightness,
     [](const MonitorEntry& e) { return e.brightness; }},
    {kSliderContrast, kLabelContrast, TextId::CaptionContrast, 100, kColumnContrast, NotificationKind::Contrast,
     [](const MonitorEntry& e) { return e.contrast; }},
    {kSliderRed, kLabelRed, TextId::CaptionRed, 255, kColumnRed, NotificationKind::Red,
     [](const MonitorEntry& e) { return e.red; }},
    {kSliderGreen, kLabelGreen, TextId::CaptionGreen, 255, kColumnGreen, NotificationKind::Green,
     [](const MonitorEntry& e) { return e.green; }},
    {kSliderBlue, kLabelBlue, TextId::CaptionBlue, 255, kColumnBlue, NotificationKind::Blue,
     [](const MonitorEntry& e) { return e.blue; }},
    {kSliderSpeaker, kLabelSpeaker, TextId::CaptionSpeaker, 100, -1, NotificationKind::Speaker,
     [](const MonitorEntry& e) { return e.speakerVolume; }},
    {kSliderSaturation, kLabelSaturation, TextId::CaptionSaturation, 100, -1, NotificationKind::Saturation,
     [](const MonitorEntry& e) { return e.saturationInfo.current; }},
};

const ValueView& ViewOf(PanelValue value) { return kViews[static_cast<std::size_t>(value)]; }

bool IsRow(std::int32_t index) { return index >= 0 && index < kMonitorCount; }

const MonitorEntry& EntryAt(std::int32_t index) { return g_monitors.entries[static_cast<std::size_t>(index)]; }

void ShowSliderLabel(const ValueView& view, std::int32_t value) {
    ControlSetSlider(view.slider, view.maximum - value);
    ControlSetText(view.label, UiText(view.caption) + std::to_wstring(value));
}

struct ChoiceCombo {
    int control;
    std::array<std::wstring, 256> MonitorEntry::*choices;
    std::wstring MonitorEntry::*current;
};

constexpr ChoiceCombo kCombos[] = {
    {kComboColourTemp, &MonitorEntry::colourTempChoices, &MonitorEntry::colourTempName},
    {kComboInput, &MonitorEntry::inputChoices, &MonitorEntry::inputName},
    {kComboPreset, &MonitorEntry::presetChoices, &MonitorEntry::presetName},
};

constexpr int kColourControls[] = {kLabelRed, kLabelGreen, kLabelBlue, kSliderRed, kSliderGreen, kSliderBlue};
constexpr int kSpeakerControls[] = {kSliderSpeaker, kLabelSpeaker};
constexpr int kAdvancedControls[] = {kGroupMonitor, kComboColourTemp, kComboInput, kComboPreset, kButtonReset,
                                     kButtonPower};
constexpr int kContrastControls[] = {kLabelContrast, kSliderContrast};

template <std::size_t N>
void ShowAll(const int (&controls)[N], bool visible) {
    for (int id : controls) {
        ControlSetVisible(id, visible);
    }
}

void ShowContrastColumn(bool visible) {
    ShowAll(kContrastControls, visible);
    for (int id = kButtonContrastFirst; id <= kButtonContrastLast; ++id) {
        ControlSetVisible(id, visible);
    }
    ControlSetVisible(kLabelLaptopContrast, !visible);
}

void FillChoiceCombos(const MonitorEntry& entry) {
    for (const ChoiceCombo& combo : kCombos) {
        ComboClear(combo.control);
        const std::array<std::wstring, 256>& choices = entry.*combo.choices;
        for (const std::wstring& choice : choices) {
            if (!choice.empty()) {
                ComboAdd(combo.control, choice);
            }
        }
        const std::wstring& current = entry.*combo.current;
        if (current.empty()) {
            continue;
        }
        if (std::find(choices.begin(), choices.end(), current) == choices.end()) {
            ComboAdd(combo.control, current);
        }
        ComboSelect(combo.control, current);
    }
}

void SetPanelVisibility(const MonitorEntry& entry) {
    const SaturationInfo& saturation = entry.saturationInfo;
    const bool saturationShown = g_settings.showRGB && saturation.maximum != saturation.minimum;
    ControlSetVisible(kLabelSaturation, saturationShown);
    ControlSetVisible(kSliderSaturation, saturationShown);

    const bool laptop = entry.isLaptopPanel && entry.brightnessMax != 0;
    ControlSetVisible(kLabelLaptopLevels, laptop);
    if (laptop) {
        ControlSetVisible(kLabelNoColours, false);
        ShowAll(kColourControls, false);
        ShowAll(kAdvancedControls, false);
        ShowAll(kSpeakerControls, false);
        ShowContrastColumn(false);
        return;
    }
    if (g_settings.showRGB) {
        ShowAll(kColourControls, entry.colourTempIsUser);
        ControlSetVisible(kLabelNoColours, !entry.colourTempIsUser);
        ShowAll(kSpeakerControls, entry.speakerVolumeMax != 0);
        ShowAll(kAdvancedControls, true);
    }
    ShowContrastColumn(true);
}

}  // namespace

void PanelShowValues(std::int32_t index) {
    if (!IsRow(index)) return;
    const MonitorEntry& entry = EntryAt(index);
    ControlSetText(kGroupMonitor, MonitorListCell(index, kColumnName));
    for (const ValueView& view : kViews) {
        ShowSliderLabel(view, view.of(entry));
    }
    ControlSetSlider(kSliderVolume, 100 - CurrentVolumePercent());
}

void PanelShowControls(std::int32_t index, bool offerChoices) {
    if (!IsRow(index)) return;
    if (offerChoices) FillChoiceCombos(EntryAt(index));
    SetPanelVisibility(EntryAt(index));
}

void PanelShowChange(PanelValue value, std::uint32_t changedRows, bool announce) {
    const ValueView& view = ViewOf(value);
    for (std::int32_t row = 0; row < kMonitorCount; ++row) {
        if ((changedRows >> row & 1u) != 0 && view.listColumn >= 0) {
            MonitorListSetCell(row, view.listColumn, std::to_wstring(view.of(EntryAt(row))));
        }
    }
    const std::int32_t selected = g_monitors.selectedMonitor;
    if (IsRow(selected)) ShowSliderLabel(view, view.of(EntryAt(selected)));
    ControlPanelRedraw();
    if (changedRows != 0) UpdateIcons();
    if (announce) ShowNotification(view.notification);
}
