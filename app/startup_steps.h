// Steps of start-up, exit and the main window that reach into several subsystems.
#pragma once
#include <cstdint>

// The constant WMI namespace, query and property strings of identification and the laptop panel.
void PrepareWmiStrings();
// Timed-command times as file times; abbreviated wheel directions ("forw.", "back.", "vorw.",
// "rück.") written out.
void PrepareTimedAndWheelEntries();
// The slider and value-field brushes, check boxes, captions, class icon of the standard
// dialogs, slider ranges, popup menus and the monitor list view.
void PrepareControlPanel();
// Laptop panel and monitor identification through WMI, brightness events, the audio device.
void AttachLaptopPanelAndAudio();
// At exit: every WMI and Core Audio subscription cancelled and its interfaces released.
void ReleaseLaptopPanelAndAudio();
// The two tooltip windows of the control panel and the notification icons.
void CreateTooltipsAndIcons();
// Marks the icons as going away, hides a balloon and removes every notification icon.
void RemoveNotificationIcons();
// Re-reads the control panel's values (origin-1 lines when rereadvalues is on).
void RereadControlPanelValues();
