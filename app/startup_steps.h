// Steps of start-up, exit and the main window whose subsystems are not built yet. Each is
// called at its place and does nothing until its subsystem fills it in.
#pragma once
#include <cstdint>

// The constant WMI namespace, query and property strings of identification and the laptop panel.
void PrepareWmiStrings();
// The number texts of the settings dialog's font-size choices.
void PrepareSettingsDialogTexts();
// Timed-command times as file times; abbreviated wheel directions ("forw.", "back.", "vorw.",
// "rück.") written out.
void PrepareTimedAndWheelEntries();
// The slider and value-field brushes, check boxes, captions, class icon of the standard
// dialogs, slider ranges, popup menus and the monitor list view.
void PrepareControlPanel();
// Laptop panel and monitor identification through WMI, brightness events, the audio device.
void AttachLaptopPanelAndAudio();
// The two tooltip windows of the control panel and the notification icons.
void CreateTooltipsAndIcons();
// Marks the icons as going away, hides a balloon and removes every notification icon.
void RemoveNotificationIcons();
// Creates or removes the Startup-folder shortcut according to the autostart setting.
void ApplyAutostartShortcut();
// Re-reads the control panel's values (origin-1 lines when rereadvalues is on).
void RereadControlPanelValues();
// Closes an open settings dialog through its cancel path; false when none was open.
bool CloseSettingsDialogIfOpen();
