#include "monitors/panel_refresh.h"

#include <algorithm>
#include <array>
#include <string>

#include "audio/audio.h"
#include "monitors/monitor_list.h"
#include "monitors/monitor_table.h"
#include "platform/control_panel.h"
#include "settings/settings.h"
#include "settings/ui_language.h"

namespace {

struct SliderLabel {
    int slider;
    int label;
    std::int32_t maximum;
    const wchar_t* english;
    const wchar_t* german;
    std::int32_t value;
};

void ShowSliderLabel(const SliderLabel& control) {
    ControlSetSlider(control.slider, control.maximum - control.value);
    ControlSetText(control.label, std::wstring(UiIsGerman() ? control.german : control.english) +
                                      std::to_wstring(control.value));
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

}  // namespace

void RefreshPanelValues(std::int32_t index) {
    if (index < 0 || index >= kMonitorCount) {
        return;
    }
    const MonitorEntry& entry = g_monitors.entries[index];
    ControlSetText(kGroupMonitor, MonitorListCell(index, kColumnName));
    const SliderLabel controls[] = {
        {kSliderBrightness, kLabelBrightness, 100, L"Brightness ", L"Helligkeit ", entry.brightness},
        {kSliderContrast, kLabelContrast, 100, L"Contrast ", L"Kontrast ", entry.contrast},
        {kSliderRed, kLabelRed, 255, L"R", L"R", entry.red},
        {kSliderGreen, kLabelGreen, 255, L"G", L"G", entry.green},
        {kSliderBlue, kLabelBlue, 255, L"B", L"B", entry.blue},
        {kSliderSpeaker, kLabelSpeaker, 100, L"V", L"L", entry.speakerVolume},
        {kSliderSaturation, kLabelSaturation, 100, L"S", L"F", entry.saturationInfo.current},
    };
    for (const SliderLabel& control : controls) {
        ShowSliderLabel(control);
    }
    ControlSetSlider(kSliderVolume, 100 - CurrentVolumePercent());
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
