#include "ui/settings_dialog.h"

#include <algorithm>
#include <cwchar>
#include <cwctype>

#include "commands/monitor_limits.h"
#include "hooks/key_hook.h"
#include "monitors/monitor_list.h"
#include "platform/dialog_controls.h"
#include "platform/message_box.h"
#include "platform/requests.h"
#include "platform/running_programs.h"
#include "platform/shell.h"
#include "res/resource.h"
#include "settings/settings_store.h"
#include "settings/texts.h"
#include "settings/ui_language.h"
#include "ui/full_screen_command.h"
#include "ui/help_window.h"
#include "ui/monitor_dialog.h"
#include "ui/settings_autostart.h"
#include "ui/settings_controls.h"
#include "ui/settings_menu_entries.h"
#include "ui/settings_reset.h"
#include "update/update_check.h"

namespace {

constexpr DialogWindow kWindow = DialogWindow::Settings;
constexpr std::size_t kLogPathMax = 519;
constexpr std::size_t kProgramPathMax = 520;
constexpr int kColours = 10;
constexpr std::int32_t kMonitorButtons = 10;

SettingsSnapshot g_before{};
Settings g_opened;  // the record as the dialog found it, for Escape

ColorRef* Colour(Settings& s, int index) {
    ColorRef* colours[kColours] = {&s.ColorBrightness,       &s.ColorContrast,         &s.ColorVolume,
                                   &s.ColorSpeaker,          &s.ColorVibrance,         &s.ColorSliderBrightness,
                                   &s.ColorSliderContrast,   &s.ColorSliderVolume,     &s.ColorSliderSpeaker,
                                   &s.ColorSliderVibrance};
    return index >= 0 && index < kColours ? colours[index] : nullptr;
}

bool IsGermanChoice(std::wstring text) {
    std::transform(text.begin(), text.end(), text.begin(), [](wchar_t c) { return std::towlower(c); });
    return text == L"deutsch" || text == L"german";
}

std::wstring FileName(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

void ShowProgramRows() {
    for (int row = 0; row < static_cast<int>(g_settings.fullScreen.size()); ++row) {
        const FullScreenEntry& entry = g_settings.fullScreen[static_cast<std::size_t>(row)];
        const std::wstring text = entry.app.empty() ? L"..." : FileName(entry.app) + L":  " + entry.commandLine;
        DialogSetText(kWindow, IDC_SET_PROGRAM_FIRST + row, text);
    }
}

void ShowMenuPage() {
    for (const SettingsControl& control : SettingsControls(g_settings)) {
        if (control.id >= IDC_SET_MENU_CAPTION_FIRST && control.id < IDC_SET_DUMP_VALUES) SettingsShow(control);
    }
}

bool IsBox(const SettingsControl& c) {
    return c.kind == SettingsControlKind::Check || c.kind == SettingsControlKind::CheckNumber ||
           c.kind == SettingsControlKind::Choice;
}

const SettingsControl* Find(const std::vector<SettingsControl>& controls, int id) {
    const auto found = std::find_if(controls.begin(), controls.end(), [id](const SettingsControl& c) { return c.id == id; });
    return found == controls.end() ? nullptr : &*found;
}

// Every control's field, the language excepted; a refused command line is named in a message.
bool StoreAll() {
    bool allTaken = true;
    for (const SettingsControl& control : SettingsControls(g_settings)) {
        if (SettingsStore(control)) continue;
        if (allTaken) {
            wchar_t text[512];
            std::swprintf(text, 512, UiText(TextId::SettingsLineTooLong), DialogText(kWindow, control.id).substr(0, 40).c_str());
            MessageBoxShow(L"Lumistrand", text, true);
        }
        allTaken = false;
    }
    return allTaken;
}

void AskDeleteLog() {
    if (g_settings.logfile.empty() || !ShellFileExists(g_settings.logfile)) return;
    if (MessageBoxYesNo(UiText(TextId::SettingsDeleteLogTitle), UiText(TextId::SettingsDeleteLog), false)) {
        ShellDeleteFile(g_settings.logfile);
    }
}

// Check boxes and radio buttons take effect at once; a click on a radio button also clears
// the others of its group, so every box is read again.
void TakeAtOnce(int controlId, const std::vector<SettingsControl>& controls) {
    for (const SettingsControl& control : controls) {
        if (IsBox(control)) SettingsStore(control);
    }
    switch (controlId) {
        case IDC_SET_LOGFILE:
            if (!g_settings.logfileflag) AskDeleteLog();
            break;
        case IDC_SET_AUTOSTART: ApplyAutostartShortcut(); break;
        case IDC_SET_DAILY:
        case IDC_SET_WEEKLY:
            if (g_settings.daily != g_before.daily || g_settings.weekly != g_before.weekly) CheckForUpdate(false);
            break;
        default: UpdateIcons(); break;
    }
}

void PickColour(int index) {
    ColorRef* colour = Colour(g_settings, index);
    if (colour == nullptr || !DialogPickColour(kWindow, *colour)) return;
    UpdateIcons();
}

void PutIntoNextProgramRow(const std::wstring& path) {
    if (path.empty()) return;
    for (FullScreenEntry& entry : g_settings.fullScreen) {
        if (!entry.app.empty()) continue;
        entry.app = path.substr(0, kProgramPathMax);
        break;
    }
    ShowProgramRows();
}

bool UseButton(int id) {
    if (id >= IDC_SET_COLOUR_FIRST && id < IDC_SET_COLOUR_FIRST + kColours) {
        PickColour(id - IDC_SET_COLOUR_FIRST);
    } else if (id >= IDC_SET_MONITOR_FIRST && id < IDC_SET_MONITOR_FIRST + kMonitorButtons) {
        ShowMonitorDialog(id - IDC_SET_MONITOR_FIRST);
    } else if (id >= IDC_SET_PROGRAM_FIRST && id < IDC_SET_PROGRAM_FIRST + 16) {
        OpenFullScreenCommand(id - IDC_SET_PROGRAM_FIRST);
        ShowProgramRows();
    } else {
        switch (id) {
            case IDC_SET_HELP: OpenHelpWindow(); break;
            case IDC_SET_DEFAULTS: ResetSettings(); break;
            case IDC_SET_CHECK_NOW: CheckForUpdate(true); break;
            case IDC_SET_LOGFILE_CHOOSE: {
                std::wstring path = g_settings.logfile;
                if (DialogPickFile(kWindow, true, L".txt", path)) g_settings.logfile = path.substr(0, kLogPathMax);
                break;
            }
            case IDC_SET_DUMP_VALUES:
                for (const SettingsControl& c : SettingsControls(g_settings)) {
                    if (c.id >= IDC_SET_MENU_CAPTION_FIRST && c.id < IDC_SET_DUMP_VALUES) SettingsStore(c);
                }
                if (DumpValuesIntoFreeEntry() >= 0) ShowMenuPage();
                break;
            case IDC_SET_CHOOSE_PROGRAM: {
                std::wstring path;
                if (DialogPickFile(kWindow, false, L".exe", path)) PutIntoNextProgramRow(path);
                break;
            }
            case IDC_SET_RUNNING: PutIntoNextProgramRow(DialogComboSelected(kWindow, IDC_SET_RUNNING)); break;
            default: return false;
        }
    }
    return true;
}

bool HasAnyIcon() {
    if (g_settings.showvolumeicon) return true;
    for (const SettingsControl& c : SettingsControls(g_settings)) {
        if (c.kind == SettingsControlKind::CheckNumber && *c.number != 0) return true;
    }
    return false;
}

// Closing with OK: the fields, the icon question, the restarts and the update check, then
// saving and bringing the rest of the program up to date.
SettingsNext Ok() {
    if (!StoreAll()) return SettingsNext::Stay;
    const wchar_t* reason = nullptr;
    if (!HasAnyIcon()) {
        if (!MessageBoxYesNo(UiText(TextId::ClickNoIfUnsure), UiText(TextId::SettingsNoIcons), true)) {
            g_settings.showvolumeicon = true;
        }
        reason = L"no notification icons -> restart Lumistrand";
    }
    const bool german = IsGermanChoice(DialogComboSelected(kWindow, IDC_SET_LANGUAGE));
    const SettingsSnapshot after = SettingsSnapshotOf(g_settings, german);
    // The file holds the language in use, so the choice becomes it until the restart.
    if (german != g_before.german) {
        g_settings.language = german ? L"German" : L"English";
        UiLanguageSet(german ? kLanguageGerman : kLanguageEnglish);
    }
    if (reason == nullptr) reason = SettingsRestartReason(g_before, after);
    if (!g_settings.never && (after.daily != g_before.daily || after.weekly != g_before.weekly)) CheckForUpdate(false);
    SaveSettingsPair();
    ApplyMonitorLimits();
    ApplyAutostartShortcut();
    UpdateIcons();
    if (reason != nullptr) RestartReopeningSettings(reason);
    return SettingsNext::Close;
}

}  // namespace

SettingsSnapshot SettingsSnapshotOf(const Settings& s, bool german) {
    return {s.samevalues, s.usemousehook, s.usekeyboardhook, s.aliasing, s.daily, s.weekly, german};
}

const wchar_t* SettingsRestartReason(const SettingsSnapshot& before, const SettingsSnapshot& after) {
    if (after.german != before.german) return L"language changed -> restart Lumistrand";
    if (after.samevalues != before.samevalues || after.usemousehook != before.usemousehook ||
        after.usekeyboardhook != before.usekeyboardhook || after.aliasing != before.aliasing) {
        return L"settings changed -> restart Lumistrand";
    }
    return nullptr;
}

void SettingsDialogFill() {
    g_before = SettingsSnapshotOf(g_settings, UiIsGerman());
    g_opened = g_settings;
    for (const SettingsControl& control : SettingsControls(g_settings)) SettingsShow(control);
    DialogComboClear(kWindow, IDC_SET_LANGUAGE);
    DialogComboAdd(kWindow, IDC_SET_LANGUAGE, UiText(TextId::SettingsGerman));
    DialogComboAdd(kWindow, IDC_SET_LANGUAGE, UiText(TextId::SettingsEnglish));
    DialogComboSelect(kWindow, IDC_SET_LANGUAGE,
                      UiText(UiIsGerman() ? TextId::SettingsGerman : TextId::SettingsEnglish));
    DialogSetText(kWindow, IDC_SET_PROFILE_PATH, SettingsProfilePath());
    DialogSetText(kWindow, IDC_SET_PROGRAM_PATH, kSettingsFileName);
    for (std::int32_t row = 0; row < std::min(MonitorListRowCount(), kMonitorButtons); ++row) {
        DialogSetText(kWindow, IDC_SET_MONITOR_FIRST + row, MonitorListCell(row, kColumnName));
    }
    ShowProgramRows();
}

void SettingsDialogPageShown(int page) {
    if (page < 0 || page >= kSettingsPages) return;
    g_settings.lastsettings = page;
    SetHotkeyPageVisible(page == kSettingsHotkeyPage);
    if (page != kSettingsProgramPage) return;
    DialogComboClear(kWindow, IDC_SET_RUNNING);
    for (const std::wstring& path : RunningProgramPaths()) DialogComboAdd(kWindow, IDC_SET_RUNNING, path);
}

void SettingsDialogClosed() { SetHotkeyPageVisible(false); }

SettingsNext SettingsControlUsed(int controlId) {
    if (controlId == IDOK) return Ok();
    if (controlId == IDC_SET_APPLY) {
        SettingsDialogApply();
        return SettingsNext::Stay;
    }
    const std::vector<SettingsControl> controls = SettingsControls(g_settings);
    const SettingsControl* control = Find(controls, controlId);
    if (control != nullptr && IsBox(*control)) {
        TakeAtOnce(controlId, controls);
    } else {
        UseButton(controlId);
    }
    return SettingsNext::Stay;
}

void SettingsDialogCancel() {
    const std::vector<SettingsControl> now = SettingsControls(g_settings);
    std::vector<SettingsControl> then = SettingsControls(g_opened);
    // Both lists bind the same monitors in the same order, so they run side by side; only the
    // fields the dialog edits go back, what the rest of the program changed meanwhile stays.
    for (std::size_t i = 0; i < std::min(now.size(), then.size()); ++i) {
        if (now[i].flag != nullptr) *now[i].flag = *then[i].flag;
        if (now[i].number != nullptr) *now[i].number = *then[i].number;
        if (now[i].text != nullptr) *now[i].text = *then[i].text;
        if (now[i].multiplier != nullptr) *now[i].multiplier = *then[i].multiplier;
        if (now[i].time != nullptr) *now[i].time = *then[i].time;
    }
    for (int i = 0; i < kColours; ++i) *Colour(g_settings, i) = *Colour(g_opened, i);
    g_settings.logfile = g_opened.logfile;
    g_settings.fullScreen = g_opened.fullScreen;
    ApplyAutostartShortcut();
    UpdateIcons();
}

bool SettingsDialogApply() {
    const bool allTaken = StoreAll();
    SaveSettingsPair();
    return allTaken;
}
