// The control panel (dialog 101, the main window) through the dialog seam, by control id.
// Host tests: testing/fakes/control_panel_fake.h reads back what it shows.
#pragma once
#include <cstdint>
#include <string>

#include "platform/dialog_controls.h"

inline void ControlSetSlider(int controlId, std::int32_t position) {
    DialogSetSlider(DialogWindow::ControlPanel, controlId, position);
}
inline void ControlSetText(int controlId, const std::wstring& text) {
    DialogSetText(DialogWindow::ControlPanel, controlId, text);
}
inline std::wstring ControlText(int controlId) { return DialogText(DialogWindow::ControlPanel, controlId); }
inline void ControlSetVisible(int controlId, bool visible) {
    DialogSetVisible(DialogWindow::ControlPanel, controlId, visible);
}
inline void ControlSetEnabled(int controlId, bool enabled) {
    DialogSetEnabled(DialogWindow::ControlPanel, controlId, enabled);
}
inline void ControlSetChecked(int controlId, bool checked) {
    DialogSetChecked(DialogWindow::ControlPanel, controlId, checked);
}
inline bool ControlIsChecked(int controlId) { return DialogIsChecked(DialogWindow::ControlPanel, controlId); }
inline void ComboClear(int controlId) { DialogComboClear(DialogWindow::ControlPanel, controlId); }
inline void ComboAdd(int controlId, const std::wstring& text) {
    DialogComboAdd(DialogWindow::ControlPanel, controlId, text);
}
inline void ComboSelect(int controlId, const std::wstring& text) {
    DialogComboSelect(DialogWindow::ControlPanel, controlId, text);
}
bool ControlPanelIsVisible();
void ControlPanelRedraw();
