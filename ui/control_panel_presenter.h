// What the control panel (dialog 101) shows for the selected monitor: values, captions,
// choice lists and which controls are visible. The control panel's ids under the names the
// portable code uses; the requests it serves are declared in platform/requests.h.
#pragma once

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
    kButtonContrastFirst = IDC_CONTRAST_STEP_FIRST,  // contrast step buttons 0, 5, ..., 100
    kButtonContrastLast = IDC_CONTRAST_STEP_FIRST + STEP_BUTTONS_PER_COLUMN - 1,
};
