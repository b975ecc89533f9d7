#include "ui/monitor_dialog.h"

#include <algorithm>
#include <cstdio>
#include <cwchar>

#include "log/event_log.h"
#include "monitors/known_monitors.h"
#include "monitors/monitor_names.h"
#include "monitors/monitor_table.h"
#include "platform/dialog_controls.h"
#include "platform/requests.h"
#include "res/resource.h"
#include "settings/settings.h"
#include "settings/texts.h"
#include "settings/ui_language.h"

namespace {

constexpr DialogWindow kWindow = DialogWindow::Monitor;
constexpr std::size_t kNameChars = 63;
constexpr std::int32_t kLongestPeriod = 1440;

std::int32_t g_row = 0;

const MonitorEntry& Entry() { return g_monitors.entries[static_cast<std::size_t>(g_row)]; }

void Open() {
    const MonitorEntry& entry = Entry();
    DialogSetCaption(kWindow, entry.displayName);
    DialogSetText(kWindow, IDC_MONITOR_NAME_GROUP, MonitorShownAs(g_row));
    DialogSetEnabled(kWindow, IDC_MONITOR_USE_6B, entry.supports6B);
    const KnownMonitor* known = KnownMonitorOf(entry);
    // The field starts with the name in use, so an OK that only changes the dimming keeps it.
    DialogSetText(kWindow, IDC_MONITOR_NAME, known != nullptr && !known->mname.empty() ? known->mname : entry.displayName);
    if (known == nullptr) return;
    DialogSetChecked(kWindow, IDC_MONITOR_DIM, known->Dim != 0);
    DialogSetChecked(kWindow, IDC_MONITOR_USE_6B, known->use6B != 0);
    DialogSetText(kWindow, IDC_MONITOR_BRIGHTNESS, std::to_wstring(known->DimBrightness));
    DialogSetText(kWindow, IDC_MONITOR_DIM_PERIOD, std::to_wstring(known->DimPeriod));
    if (!known->mname.empty()) DialogSetText(kWindow, IDC_MONITOR_DIM_GROUP, known->mname);
}

// The field's number within its limits, shown back in the field.
std::int32_t LimitedField(int controlId, std::int32_t lowest, std::int32_t highest) {
    const long typed = std::wcstol(DialogText(kWindow, controlId).c_str(), nullptr, 10);
    const auto value = static_cast<std::int32_t>(std::clamp<long>(typed, lowest, highest));
    DialogSetText(kWindow, controlId, std::to_wstring(value));
    return value;
}

// A name of one character or none is taken for a slip: the monitor keeps the name it had.
void TakeName(KnownMonitor& known) {
    std::wstring name = DialogText(kWindow, IDC_MONITOR_NAME).substr(0, kNameChars);
    RemoveSpaces(name);
    if (name.size() >= 2) {
        known.mname = name;
    } else if (known.mname.empty()) {
        known.mname = Entry().displayName;
    }
}

// Enter in a field must not end the dialog: OK counts only with the focus on it.
bool Command(int controlId) {
    if (controlId != IDOK) return true;
    if (!DialogHasFocus(kWindow, IDOK)) return false;
    KnownMonitor* known = KnownMonitorOf(Entry());
    if (known == nullptr) {
        SaveSettingsPair();
        return true;
    }
    TakeName(*known);
    known->DimBrightness = LimitedField(IDC_MONITOR_BRIGHTNESS, 0, 100);
    known->DimPeriod = LimitedField(IDC_MONITOR_DIM_PERIOD, 1, kLongestPeriod);
    known->Dim = DialogIsChecked(kWindow, IDC_MONITOR_DIM) ? 1 : 0;
    const std::int32_t use6B = DialogIsChecked(kWindow, IDC_MONITOR_USE_6B) ? 1 : 0;
    const bool codeChanged = use6B != known->use6B;
    known->use6B = use6B;
    SaveSettingsPair();
    if (codeChanged) {
        LogEvent(static_cast<std::uint32_t>(-1), -1, L"brightness code 0x6B changed -> restart Lumistrand", kLogNoOutcome, nullptr);
        RequestRestart();
    }
    return true;
}

}  // namespace

std::wstring MonitorShownAs(std::int32_t row) {
    if (row < 0 || row >= kMonitorCount) return {};
    const std::wstring& display = g_monitors.entries[static_cast<std::size_t>(row)].displayName;
    const KnownMonitor* known = KnownMonitorOf(g_monitors.entries[static_cast<std::size_t>(row)]);
    const std::wstring& name = known != nullptr && !known->mname.empty() ? known->mname : display;
    wchar_t text[256] = {};
    std::swprintf(text, 256, UiText(TextId::ListMenuShownAs), display.c_str(), name.c_str());
    return text;
}

void ShowMonitorDialog(std::int32_t row) {
    if (row < 0 || row >= kMonitorCount) return;
    g_row = row;
    const DialogSpec spec{kWindow, UiIsGerman() ? IDD_MONITOR_DE : IDD_MONITOR_EN, kTimerShowMonitor, false, 0, Open, Command};
    DialogRun(spec);
}
