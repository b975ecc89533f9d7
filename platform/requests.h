// Requests that lower floors send to the floors above them: restarting, ending quietly,
// running a line, redrawing the icons, showing a balloon and bringing the control panel up to
// date. Each is implemented by its owner (app/, tray/, ui/); host tests link
// testing/fakes/requests_fake.cpp for the ones whose owner is Windows-only, which records them.
#pragma once
#include <cstdint>
#include <string_view>

// The program ends and a fresh copy takes over; the caller has logged its reason.
void RequestRestart();
// True once a restart was requested and the program is on its way out.
bool RestartIsPending();

// Between entering and leaving a popup menu's loop; the hooks leave the control panel alone
// then. Windows only (app/window_proc_win32.cpp).
bool PopupMenuIsOpen();

// Ends the program without asking (the command `q`).
void RequestQuietExit();

// Normalises text and hands it to this instance's main window (origin: platform/instance.h).
// A line starting with "!" is run as a batch file instead and never reaches the window.
void SubmitCommandLine(std::wstring_view text, std::uint32_t origin);

// Saves both settings files and logs each that could not be written.
void SaveSettingsPair();

// Redraws the notification icons from the monitor table.
void UpdateIcons();

enum class NotificationKind : std::int32_t {
    Brightness = 0,
    Contrast = 1,
    Volume = 2,
    HideOnly = 3,
    Red = 5,
    Green = 6,
    Blue = 7,
    MainValues = 8,  // brightness, contrast and volume together
    Speaker = 9,
    Saturation = 10,
};

// A balloon after a value change, when the control panel is hidden and balloons are on.
void ShowNotification(NotificationKind kind);

// The values a setter changes, as the control panel and the icons show them.
enum class PanelValue : std::int32_t { Brightness, Contrast, Red, Green, Blue, Speaker, Saturation };

// The control panel shows the values of the monitor at row index: sliders, labels and its
// name as the caption.
void PanelShowValues(std::int32_t index);
// The control panel shows which controls the monitor at row index has and, when offerChoices,
// fills its drop-downs with the choices it offers.
void PanelShowControls(std::int32_t index, bool offerChoices);
// After a setter: the list cells of the rows in changedRows (bit n = row n), the selected
// monitor's label and slider, the icons, and a balloon when announce is set.
void PanelShowChange(PanelValue value, std::uint32_t changedRows, bool announce);

// Ends the program without asking and without saving the settings (uninstall).
void RequestExitWithoutSaving();
