// Records what portable code shows in every window, by window and control id, and plays the
// user of the small dialogs.
#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/dialog_controls.h"

struct FakeCombo {
    std::vector<std::wstring> items;
    std::int32_t selected = -1;
};

struct FakeListRow {
    std::vector<std::wstring> cells;
    bool red = false;
};

struct FakeDialogState {
    std::map<int, std::int32_t> sliders;
    std::map<int, std::wstring> texts;
    std::map<int, bool> visible;
    std::map<int, bool> enabled;
    std::wstring caption;
    std::map<int, std::vector<std::int32_t>> sliderMoves;  // every position set, in order
    std::map<int, bool> checked;
    std::map<int, FakeCombo> combos;
    std::map<int, std::int32_t> hotkeys;
    std::map<int, std::pair<std::uint16_t, std::uint16_t>> times;  // hour, minute
    std::map<int, std::vector<int>> tabStops;
    std::map<int, std::vector<TextRun>> richText;
    std::map<int, std::wstring> tips;
    std::map<int, std::vector<ListColumn>> columns;
    std::map<int, std::vector<FakeListRow>> lists;
    int focus = 0;
    std::optional<std::uint32_t> pickedColour;  // what the colour picker answers; none: Cancel
    std::optional<std::wstring> pickedFile;     // what the file dialogs answer; none: Cancel
};

void FakeDialogsReset();
FakeDialogState& FakeDialog(DialogWindow window);
// What the user does once the dialog is open: change FakeDialog(window), then FakeDialogPress.
void FakeDialogSetUser(DialogWindow window, std::function<void()> user);
// A button or kDialogDismissed reaches the open dialog's command handler; true when it ended.
bool FakeDialogPress(DialogWindow window, int controlId);
// A modeless window: one piece of its work, true while more is left; then the user's choice.
bool FakeDialogWork(DialogWindow window);
void FakeDialogChoose(DialogWindow window, int controlId, std::int32_t index);
// Every DialogRun in order, including those that found their window open.
const std::vector<DialogWindow>& FakeDialogRuns();
