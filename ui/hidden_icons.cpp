#include "ui/hidden_icons.h"

#include "monitors/monitor_list.h"
#include "platform/dialog_controls.h"
#include "platform/main_window.h"
#include "platform/overflow_tray.h"
#include "platform/requests.h"
#include "res/resource.h"
#include "settings/settings.h"
#include "settings/settings_store.h"
#include "settings/texts.h"
#include "settings/ui_language.h"
#include "tray/icon_set.h"

namespace {

constexpr int kRunsAtFirstPeriod = 6;
constexpr int kRunsInAll = 11;
constexpr std::uint32_t kFirstPeriodMs = 5000;
constexpr std::uint32_t kLaterPeriodMs = 60000;

int g_runsWithoutMatch = 0;
bool g_hiddenKnown = false;

bool CheckWanted() {
    if (!g_settingsStatus.versionMatched) {
        g_settingsStatus.versionMatched = true;
        return true;
    }
    return !g_settings.nocheckhidden;
}

bool AnyOwnIconHidden() {
    const auto texts = OverflowTrayButtonTexts();
    if (!texts) return false;
    for (const std::wstring& text : *texts) {
        if (IsOwnIconText(text)) return true;
    }
    return false;
}

void Open() {
    DialogSetText(DialogWindow::HiddenIcons, IDC_HIDDEN_ICONS_TEXT, UiText(TextId::HiddenIconsWarning));
    DialogSetChecked(DialogWindow::HiddenIcons, IDC_NO_HIDDEN_WARNING, g_settings.nocheckhidden);
}

bool Command(int controlId) {
    if (controlId != IDOK && controlId != IDCANCEL && controlId != kDialogDismissed) return false;
    g_settings.nocheckhidden = DialogIsChecked(DialogWindow::HiddenIcons, IDC_NO_HIDDEN_WARNING);
    SaveSettingsPair();
    return true;
}

DialogSpec WarningSpec() {
    return {DialogWindow::HiddenIcons, UiIsGerman() ? IDD_HIDDEN_ICONS_DE : IDD_HIDDEN_ICONS_EN, kTimerShowHiddenIcons,
            false, 0, Open, Command};
}

}  // namespace

std::uint32_t HiddenIconCheckPeriod(int runsWithoutMatch) {
    if (runsWithoutMatch < kRunsAtFirstPeriod) return kFirstPeriodMs;
    return runsWithoutMatch < kRunsInAll ? kLaterPeriodMs : 0;
}

bool IsOwnIconText(std::wstring_view text) {
    if (text.empty()) return false;
    for (std::int32_t monitor = 0; monitor < MonitorListRowCount(); ++monitor) {
        for (int kind = 0; kind < kIconKinds; ++kind) {
            if (IconSlotOf(monitor, static_cast<IconKind>(kind)).tip == text) return true;
        }
    }
    return false;
}

// A run that cannot read the overflow area (there is none under Wine) counts as one without a
// hidden icon, so the schedule ends there too.
void HiddenIconCheckTick() {
    g_hiddenKnown = CheckWanted() && AnyOwnIconHidden();
    if (g_hiddenKnown) {
        if (DialogIsOpen(DialogWindow::HiddenIcons)) return;
        MainWindowSetTimer(kTimerHiddenWarningClose, 1000);
        ShowHiddenIconsWarning();
        MainWindowKillTimer(kTimerHiddenIconCheck);
        MainWindowKillTimer(kTimerHiddenWarningClose);
        g_hiddenKnown = false;
        return;
    }
    const std::uint32_t period = HiddenIconCheckPeriod(++g_runsWithoutMatch);
    if (period == 0) {
        MainWindowKillTimer(kTimerHiddenIconCheck);
    } else if (period != HiddenIconCheckPeriod(g_runsWithoutMatch - 1)) {
        MainWindowSetTimer(kTimerHiddenIconCheck, period);
    }
}

void HiddenIconWarningCloseTick() {
    if (!g_hiddenKnown) DialogClose(DialogWindow::HiddenIcons);
}

void ShowHiddenIconsWarning() {
    const DialogSpec spec = WarningSpec();
    DialogRun(spec);
}

void HiddenIconCheckReset() {
    g_runsWithoutMatch = 0;
    g_hiddenKnown = false;
}
