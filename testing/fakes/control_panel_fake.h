// Reads back what portable code shows on the control panel, by control id.
#pragma once
#include <cstdint>
#include <string>

#include "platform/control_panel.h"
#include "testing/fakes/dialog_controls_fake.h"

void FakeControlPanelReset();
void FakeControlPanelSetVisible(bool visible);  // what ControlPanelIsVisible returns
// Absent ids: slider -1, text empty, visibility and check state false, combo empty.
std::int32_t FakeSliderPosition(int controlId);
std::wstring FakeControlText(int controlId);
bool FakeControlShown(int controlId);
bool FakeControlWasSetVisible(int controlId);
bool FakeControlChecked(int controlId);
FakeCombo FakeComboState(int controlId);
std::uint32_t FakeControlPanelRedraws();
