// Control-panel widget seam: the controls of dialog 101 by control id.
// Windows: control_panel_win32.cpp. Host tests: testing/fakes/control_panel_fake.cpp records the state.
#pragma once
#include <cstdint>
#include <string>

void ControlSetSlider(int controlId, std::int32_t position);
void ControlSetText(int controlId, const std::wstring& text);
// Empty when the control does not exist.
std::wstring ControlText(int controlId);
void ControlSetVisible(int controlId, bool visible);
void ControlSetChecked(int controlId, bool checked);
void ComboClear(int controlId);
void ComboAdd(int controlId, const std::wstring& text);
void ComboSelect(int controlId, const std::wstring& text);  // selects the entry equal to text, if any
bool ControlPanelIsVisible();
void ControlPanelRedraw();
