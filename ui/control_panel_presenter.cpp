#include "ui/control_panel_presenter.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>

#include "audio/audio.h"
#include "monitors/brightness.h"
#include "monitors/colour.h"
#include "monitors/discovery.h"
#include "monitors/monitor_list.h"
#include "monitors/monitor_table.h"
#include "platform/control_panel.h"
#include "platform/main_window.h"
#include "platform/message_box.h"
#include "platform/panel_window.h"
#include "platform/requests.h"
#include "settings/settings.h"
#include "settings/texts.h"
#include "settings/ui_language.h"
#include "ui/control_panel_layout.h"

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
    std::array<std::wstring, 256> MonitorEntry::*choices;  // index: the VCP value
    std::wstring MonitorEntry::*current;
    std::int32_t MonitorEntry::*request;
};

constexpr ChoiceCombo kCombos[] = {
    {kComboColourTemp, &MonitorEntry::colourTempChoices, &MonitorEntry::colourTempName, &MonitorEntry::pendingColourTemp},
    {kComboInput, &MonitorEntry::inputChoices, &MonitorEntry::inputName, &MonitorEntry::pendingInput},
    {kComboPreset, &MonitorEntry::presetChoices, &MonitorEntry::presetName, &MonitorEntry::pendingPreset},
};

constexpr int kColourControls[] = {kLabelRed, kLabelGreen, kLabelBlue, kSliderRed, kSliderGreen, kSliderBlue};
constexpr int kSpeakerControls[] = {kSliderSpeaker, kLabelSpeaker};
constexpr int kAdvancedControls[] = {kGroupMonitor, kComboColourTemp, kComboInput, kComboPreset, kButtonReset,
                                     kButtonPower};
constexpr int kContrastControls[] = {kLabelContrast, kSliderContrast};
constexpr int kVolumeControls[] = {kLabelVolume, kSliderVolume, kCheckMute};
constexpr std::pair<int, int> kWideAndShort[] = {{IDC_TURN_OFF_WIDE, IDC_TURN_OFF_SHORT},
                                                  {IDC_RESCAN_WIDE, IDC_RESCAN_SHORT}};

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

void ShowVolumeColumn(bool visible) {
    ShowAll(kVolumeControls, visible);
    for (int id = IDC_VOLUME_STEP_FIRST; id < IDC_VOLUME_STEP_FIRST + STEP_BUTTONS_PER_COLUMN; ++id) {
        ControlSetVisible(id, visible);
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

// Where a slider's or step button's value goes: the setter the command language calls for it.
struct ValueSetter {
    int slider;
    std::int32_t maximum;
    int stepFirst;  // 0: no step buttons
    void (*write)(std::uint32_t value);
    ColorRef Settings::*colour;  // nullptr: fixedColour
    ColorRef fixedColour;
};

template <ColourKind kind>
void WriteColour(std::uint32_t value) {
    SetColourValue(kind, value);
}

void WriteVolume(std::uint32_t percent) { SetVolume(static_cast<float>(percent) / 100.0f); }

constexpr ValueSetter kSetters[] = {
    {kSliderBrightness, 100, IDC_BRIGHTNESS_STEP_FIRST, SetBrightness, &Settings::ColorSliderBrightness, 0},
    {kSliderContrast, 100, IDC_CONTRAST_STEP_FIRST, SetContrast, &Settings::ColorSliderContrast, 0},
    {kSliderVolume, 100, IDC_VOLUME_STEP_FIRST, WriteVolume, &Settings::ColorSliderVolume, 0},
    {kSliderRed, 255, 0, WriteColour<ColourKind::Red>, nullptr, 0x0000FF},
    {kSliderGreen, 255, 0, WriteColour<ColourKind::Green>, nullptr, 0x00FF00},
    {kSliderBlue, 255, 0, WriteColour<ColourKind::Blue>, nullptr, 0xFF0000},
    {kSliderSpeaker, 100, 0, WriteColour<ColourKind::Speaker>, &Settings::ColorSliderSpeaker, 0},
    {kSliderSaturation, 100, 0, WriteColour<ColourKind::Saturation>, &Settings::ColorSliderVibrance, 0},
};
constexpr ColorRef kMutedGrey = 0x808080;

constexpr std::uint32_t kSliderWriteDelayMs = 20;
constexpr std::int32_t kNoValue = -1;
std::array<std::int32_t, std::size(kSetters)> g_sliderValues = [] {
    std::array<std::int32_t, std::size(kSetters)> none{};
    none.fill(kNoValue);
    return none;
}();

bool StepButtonPressed(int control) {
    for (const ValueSetter& setter : kSetters) {
        if (setter.stepFirst != 0 && control >= setter.stepFirst && control < setter.stepFirst + STEP_BUTTONS_PER_COLUMN) {
            setter.write(static_cast<std::uint32_t>((control - setter.stepFirst) * 5));
            return true;
        }
    }
    return false;
}

MonitorEntry* SelectedEntry() {
    const std::int32_t index = g_monitors.selectedMonitor;
    return IsRow(index) ? &g_monitors.entries[static_cast<std::size_t>(index)] : nullptr;
}

// The chosen name's VCP value becomes the monitor's request, carried out by a pass. A refused
// input change puts the list back on the current input.
bool ChoiceMade(int control, const std::wstring& choice) {
    for (const ChoiceCombo& combo : kCombos) {
        if (combo.control != control) continue;
        MonitorEntry* entry = SelectedEntry();
        if (entry == nullptr) return true;
        const std::array<std::wstring, 256>& choices = entry->*combo.choices;
        const auto found = std::find(choices.begin(), choices.end(), choice);
        if (choice.empty() || found == choices.end()) return true;
        if (control == kComboInput &&
            !MessageBoxAskOnce(UiText(TextId::ConfirmTitle), UiText(TextId::ConfirmInput),
                               L"{BEFEAD55-8D9E-4F94-A1A2-A98B0695BDFE}")) {
            ComboSelect(control, entry->*combo.current);
            return true;
        }
        entry->*combo.request = static_cast<std::int32_t>(found - choices.begin());
        DiscoverMonitors(false);
        return true;
    }
    return false;
}

void ResetMonitor() {
    MonitorEntry* entry = SelectedEntry();
    if (entry == nullptr || !MessageBoxAskOnce(UiText(TextId::ConfirmTitle), UiText(TextId::ConfirmFactoryReset),
                                               L"{778BC249-4781-4510-86E8-DEA8B61AF1C6}"))
        return;
    entry->pendingFactoryReset = true;
    DiscoverMonitors(false);
}

// The English value name differs from the German one by its doubled brace, so each language
// keeps its own "don't ask again".
void RotateDisplay() {
    static bool asking = false;
    if (asking) return;
    asking = true;
    const bool confirmed =
        MessageBoxAskOnce(UiText(TextId::ConfirmTitle), UiText(TextId::ConfirmRotate),
                          UiIsGerman() ? L"{DDA52A0D-5269-4F8C-BC02-3ACE9315E370}"
                                       : L"{{DDA52A0D-5269-4F8C-BC02-3ACE9315E370}");
    asking = false;
    if (confirmed) MainWindowPostCommand(kCommandRotate, 0);
}

void ColumnSwitched(bool& setting, int checkBox) {
    setting = ControlIsChecked(checkBox);
    PanelArrange();
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
    ControlSetChecked(kCheckMute, DefaultAudioDeviceMuted());
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

void PanelArrange() {
    PanelApplyLayout(ComputePanelLayout(g_settings.showRGB, g_settings.showvolume));
    const bool wide = PanelWideButtons(g_settings.showRGB, g_settings.showvolume);
    for (const auto& [wideButton, shortButton] : kWideAndShort) {
        ControlSetVisible(wideButton, wide);
        ControlSetVisible(shortButton, !wide);
    }
    ControlSetChecked(kCheckAdvanced, g_settings.showRGB);
    ControlSetChecked(kCheckVolumeColumn, g_settings.showvolume);
    ControlSetChecked(kCheckVolumeIcon, g_settings.showvolumeicon);
    ShowVolumeColumn(g_settings.showvolume);
    ControlSetVisible(kButtonRotate, g_settings.showRGB);
    if (g_settings.showRGB) {
        PanelShowControls(g_monitors.selectedMonitor, false);
        return;
    }
    ShowAll(kColourControls, false);
    ShowAll(kSpeakerControls, false);
    ShowAll(kAdvancedControls, false);
    ControlSetVisible(kLabelNoColours, false);
    ControlSetVisible(kLabelSaturation, false);
    ControlSetVisible(kSliderSaturation, false);
}

bool PanelSliderMoved(int slider, std::int32_t position) {
    for (std::size_t i = 0; i < std::size(kSetters); ++i) {
        if (kSetters[i].slider != slider) continue;
        const bool waiting =
            std::any_of(g_sliderValues.begin(), g_sliderValues.end(), [](std::int32_t v) { return v != kNoValue; });
        g_sliderValues[i] = std::clamp(kSetters[i].maximum - position, 0, kSetters[i].maximum);
        if (!waiting) MainWindowSetTimer(kTimerSliderWrite, kSliderWriteDelayMs);
        return true;
    }
    return false;
}

void PanelWriteSliderValues() {
    const auto values = g_sliderValues;
    g_sliderValues.fill(kNoValue);
    for (std::size_t i = 0; i < std::size(kSetters); ++i) {
        if (values[i] != kNoValue) kSetters[i].write(static_cast<std::uint32_t>(values[i]));
    }
}

bool PanelControlUsed(int control, const std::wstring& choice) {
    if (StepButtonPressed(control) || ChoiceMade(control, choice)) return true;
    switch (control) {
        case kButtonReset: ResetMonitor(); return true;
        case kButtonRotate: RotateDisplay(); return true;
        case kCheckMute: SetMute(ControlIsChecked(kCheckMute)); return true;
        case kCheckAdvanced: ColumnSwitched(g_settings.showRGB, kCheckAdvanced); return true;
        case kCheckVolumeColumn: ColumnSwitched(g_settings.showvolume, kCheckVolumeColumn); return true;
        default: return false;
    }
}

void PanelForEachSlider(void (*visit)(int slider, std::int32_t maximum)) {
    for (const ValueSetter& setter : kSetters) visit(setter.slider, setter.maximum);
}

// Read from the settings at every drawing, so a settings load or a colour chosen in the
// settings dialog shows at the next redraw.
bool PanelSliderColour(int slider, ColorRef& colour) {
    for (const ValueSetter& setter : kSetters) {
        if (setter.slider != slider) continue;
        colour = setter.colour == nullptr ? setter.fixedColour : g_settings.*setter.colour;
        if (slider == kSliderVolume && DefaultAudioDeviceMuted()) colour = kMutedGrey;
        return true;
    }
    return false;
}
