// What the control panel (dialog 101) shows for the selected monitor: values, captions,
// choice lists and which controls are visible. The control panel's ids under the names the
// portable code uses; the requests it serves are declared in platform/requests.h.
#pragma once

#include <cstdint>
#include <string>

#include "res/resource.h"

enum PanelControl : int {
    kListMonitors = IDC_MONITOR_LIST,
    kLabelBrightness = IDC_BRIGHTNESS_LABEL,
    kLabelContrast = IDC_CONTRAST_LABEL,
    kSliderBrightness = IDC_BRIGHTNESS_SLIDER,
    kSliderContrast = IDC_CONTRAST_SLIDER,
    kSliderVolume = IDC_VOLUME_SLIDER,
    kButtonPower = IDC_POWER_TOGGLE,
    kSliderRed = IDC_RED_SLIDER,
    kSliderGreen = IDC_GREEN_SLIDER,
    kSliderBlue = IDC_BLUE_SLIDER,
    kLabelRed = IDC_RED_LABEL,
    kLabelGreen = IDC_GREEN_LABEL,
    kLabelBlue = IDC_BLUE_LABEL,
    kLabelLaptopContrast = IDC_LAPTOP_NO_CONTRAST,
    kLabelLaptopLevels = IDC_LAPTOP_LEVELS,
    kLabelNoColours = IDC_NO_GAINS,
    kComboColourTemp = IDC_COLOUR_PRESET,
    kComboInput = IDC_INPUT,
    kGroupMonitor = IDC_MONITOR_GROUP,
    kButtonReset = IDC_RESET_MONITOR,
    kSliderSpeaker = IDC_SPEAKER_SLIDER,
    kLabelSpeaker = IDC_SPEAKER_LABEL,
    kLabelSaturation = IDC_SATURATION_LABEL,
    kSliderSaturation = IDC_SATURATION_SLIDER,
    kComboPreset = IDC_MONITOR_PRESET,
    kCheckAdvanced = IDC_ADVANCED_COLUMN,
    kCheckVolumeColumn = IDC_VOLUME_COLUMN,
    kCheckVolumeIcon = IDC_VOLUME_ICON,
    kCheckMute = IDC_MUTE,
    kLabelVolume = IDC_VOLUME_LABEL,
    kButtonRotate = IDC_ROTATE_DISPLAY,
    kButtonContrastFirst = IDC_CONTRAST_STEP_FIRST,  // contrast step buttons 0, 5, ..., 100
    kButtonContrastLast = IDC_CONTRAST_STEP_FIRST + STEP_BUTTONS_PER_COLUMN - 1,
};

// The columns the settings ask for: the advanced column (`showRGB`) and the volume column
// (`showvolume`), with their check boxes.
void PanelArrange();

// The user's actions on the control panel, each to the setter or request the command language
// would use for it.

// A slider came to rest at position: a keyboard or mouse step, or the thumb let go (never
// while it is dragged). Its value waits for a short main-window timer, so that steps coming
// faster than the monitor takes them write only the last value. False for another control.
bool PanelSliderMoved(int slider, std::int32_t position);
// The timer's work: writes the value each slider came to rest at last, once.
void PanelWriteSliderValues();
// A click on a step button, check box or button, or a choice in a drop-down list (choice: the
// chosen entry's text). False for a control that is not handled here.
bool PanelControlUsed(int control, const std::wstring& choice);

// The panel's sliders and their maximum (each runs from 0), for setting up their ranges.
void PanelForEachSlider(void (*visit)(int slider, std::int32_t maximum));
// The colour of a slider's level bar; false for a control that is not a slider.
bool PanelSliderColour(int slider, std::uint32_t& colour);
