// Dialog seam: the controls of every window by window and control id, and running the small
// modal dialogs. Windows: dialog_controls_win32.cpp and small_dialog_win32.cpp. Host tests:
// testing/fakes/dialog_controls_fake.cpp records what each window shows and plays the user.
#pragma once
#include <cstdint>
#include <span>
#include <string>

enum class DialogWindow : int {
    ControlPanel, Help, HiddenIcons, PowerOff, FullScreenCommand, Monitor, Update, Settings,
    VcpExplorer, VcpWrite, VcpWait,
    Count
};

// A stretch of rich text; emphasised stretches are bold and red.
struct TextRun {
    std::wstring text;
    bool emphasised = false;
};

// Every call does nothing, or reads as empty / unticked, while the window or control is missing.
void DialogSetSlider(DialogWindow window, int controlId, std::int32_t position);
void DialogSetText(DialogWindow window, int controlId, const std::wstring& text);
std::wstring DialogText(DialogWindow window, int controlId);
void DialogSetVisible(DialogWindow window, int controlId, bool visible);
void DialogSetEnabled(DialogWindow window, int controlId, bool enabled);
void DialogSetCaption(DialogWindow window, const std::wstring& caption);
void DialogSetChecked(DialogWindow window, int controlId, bool checked);
bool DialogIsChecked(DialogWindow window, int controlId);
// Drop-down lists and list boxes alike.
void DialogComboClear(DialogWindow window, int controlId);
void DialogComboAdd(DialogWindow window, int controlId, const std::wstring& text);
void DialogComboSelect(DialogWindow window, int controlId, const std::wstring& text);  // the entry equal to text, if any
std::wstring DialogComboSelected(DialogWindow window, int controlId);
// A hotkey control's value as the system keeps it: virtual key, modifiers in the high byte.
void DialogSetHotkey(DialogWindow window, int controlId, std::int32_t value);
std::int32_t DialogHotkey(DialogWindow window, int controlId);
// A time picker's hour and minute.
void DialogSetTime(DialogWindow window, int controlId, std::uint16_t hour, std::uint16_t minute);
void DialogTime(DialogWindow window, int controlId, std::uint16_t& hour, std::uint16_t& minute);
// Rich-text fields: their tab stops in dialog units, and their whole text as runs.
void DialogSetTabStops(DialogWindow window, int controlId, std::span<const int> dialogUnits);
void DialogSetRichText(DialogWindow window, int controlId, std::span<const TextRun> runs);
bool DialogHasFocus(DialogWindow window, int controlId);
// The system's colour picker over the window, opened on colour (0x00BBGGRR) with a custom-colour
// set shared by all calls; true and colour set on OK, colour untouched otherwise.
bool DialogPickColour(DialogWindow window, std::uint32_t& colour);
// The save-file (else open-file) dialog over the window for files ending in extension
// (".log"); true and path set on OK, path untouched otherwise.
bool DialogPickFile(DialogWindow window, bool save, const wchar_t* extension, std::wstring& path);

struct ControlTip {
    int controlId;
    std::wstring text;
};
// Balloon tooltips over these controls, shown while the pointer rests on them; they go with the window.
void DialogSetTips(DialogWindow window, std::span<const ControlTip> tips);

// Report-view lists: each column takes the list's client width divided by its divisor.
struct ListColumn {
    std::wstring header;
    double widthDivisor;
    bool centred;
};
void DialogListSetColumns(DialogWindow window, int controlId, std::span<const ListColumn> columns);
// Red rows are drawn in red text.
void DialogListAppend(DialogWindow window, int controlId, std::span<const std::wstring> cells, bool red);
// Grows the list and its window to show every row when that still fits the height of the
// window's monitor, and centres the window vertically on it; otherwise leaves both alone.
void DialogListFitRows(DialogWindow window, int controlId);

// What a dialog's command handler is told when Escape or the close box ends it.
inline constexpr int kDialogDismissed = -1;

// A small modal dialog over the main window: created hidden, shown by its own 10 ms timer,
// one at a time per window, read-only text fields without a caret.
struct DialogSpec {
    DialogWindow window;
    int templateId;
    std::uint32_t showTimerId;
    bool richText;        // RichEdit 2.0 must be loaded before the template is created
    int growingControl;   // 0: fixed size; else this control follows the size of the resizable
                          // window, never below its first size, and the buttons keep their
                          // distance from the bottom
    void (*open)();                // fills the controls
    bool (*command)(int controlId);  // a button, or kDialogDismissed; true ends the dialog
};
// Returns once the dialog has ended; when it is already open it is only brought to the front.
// False when it was open already or could not be created.
bool DialogRun(const DialogSpec& spec);
bool DialogIsOpen(DialogWindow window);
// Ends the open dialog as its close box would, without asking its command handler.
void DialogClose(DialogWindow window);

// A window that stays open beside the message loop (the VCP explorer and its wait window),
// one instance each. It is created hidden; while `work` returns true it is called again
// after the messages that arrived meanwhile (input, painting, timers) have been handled,
// so long work done in small pieces never freezes the program; then the window is shown.
// Escape and the dialog keys reach it although the main window owns the message loop.
struct ModelessSpec {
    DialogWindow window;
    int templateId;
    bool richText;
    void (*open)();
    bool (*work)();                    // null: shown at once
    bool (*command)(int controlId);    // a button or kDialogDismissed; true closes the window
    // A list row clicked (any button, single or double) or a combo line picked; may close the window.
    void (*chosen)(int controlId, std::int32_t index);
};
// False when it was open already (then it is brought to the front) or could not be created.
bool DialogOpenModeless(const ModelessSpec& spec);
