// What the discovery pass shows on the control panel for the selected monitor: values,
// choice lists and which controls are visible.
#pragma once
#include <cstdint>

struct MonitorEntry;

enum PanelControl : int {
    kListMonitors = 1001,
    kLabelBrightness = 1002,
    kLabelContrast = 1003,
    kSliderBrightness = 1038,
    kSliderContrast = 1039,
    kSliderVolume = 1040,
    kButtonPower = 1041,
    kSliderRed = 1067,
    kSliderGreen = 1068,
    kSliderBlue = 1069,
    kLabelRed = 1070,
    kLabelGreen = 1071,
    kLabelBlue = 1072,
    kLabelLaptopContrast = 1104,
    kLabelLaptopLevels = 1106,
    kLabelNoColours = 1109,
    kComboColourTemp = 1113,
    kComboInput = 1115,
    kGroupMonitor = 1116,
    kButtonReset = 1117,
    kSliderSpeaker = 1318,
    kLabelSpeaker = 1319,
    kLabelSaturation = 1354,
    kSliderSaturation = 1355,
    kComboPreset = 1368,
    kButtonContrastFirst = 40022,  // contrast step buttons 0, 5, ..., 100
    kButtonContrastLast = 40042,
};

// Sliders, labels and the group box caption of the monitor at row index.
void RefreshPanelValues(std::int32_t index);
// Fills the three choice lists with the offered names and selects the current ones.
void FillChoiceCombos(const MonitorEntry& entry);
void SetPanelVisibility(const MonitorEntry& entry);
