#include "ui/power_off_information.h"

#include "monitors/monitor_list.h"
#include "platform/requests.h"
#include "res/resource.h"
#include "settings/settings.h"
#include "settings/texts.h"

namespace {

constexpr std::wstring_view kPlaceholder = L"monitorname";

struct Run {
    TextId text;
    bool emphasised;
};

constexpr Run kRuns[] = {
    {TextId::PowerOffBlackScreen, true}, {TextId::PowerOffWakeUp, false},    {TextId::PowerOffHotkey, true},
    {TextId::PowerOffCtrlShift, false},  {TextId::PowerOffTickBelow, true},
};

constexpr int kTabStops[] = {16, 32};

std::int32_t g_row = 0;

void Open() {
    const std::vector<TextRun> text = PowerOffText(MonitorListCell(g_row, kColumnName));
    DialogSetTabStops(DialogWindow::PowerOff, IDC_RICH_TEXT, kTabStops);
    DialogSetRichText(DialogWindow::PowerOff, IDC_RICH_TEXT, text);
    DialogSetText(DialogWindow::PowerOff, IDC_POWER_OFF_INSTANT, UiText(TextId::PowerOffInstant));
    DialogSetChecked(DialogWindow::PowerOff, IDC_POWER_OFF_INSTANT, false);
}

bool Command(int controlId) {
    if (controlId == IDOK) {
        g_settings.safety = !DialogIsChecked(DialogWindow::PowerOff, IDC_POWER_OFF_INSTANT);
        SaveSettingsPair();
    }
    return controlId == IDOK || controlId == IDCANCEL || controlId == kDialogDismissed;
}

constexpr DialogSpec kPowerOff{DialogWindow::PowerOff, IDD_POWER_OFF, kTimerShowPowerOff, true, 0, Open, Command};

}  // namespace

std::wstring PowerOffNameField(std::wstring_view monitorName) {
    std::wstring field(monitorName.substr(0, kPlaceholder.size()));
    field.resize(kPlaceholder.size(), L' ');
    return field;
}

std::vector<TextRun> PowerOffText(std::wstring_view monitorName) {
    std::vector<TextRun> runs;
    for (const Run& run : kRuns) {
        std::wstring text = UiText(run.text);
        if (const auto at = text.find(kPlaceholder); at != std::wstring::npos) {
            text.replace(at, kPlaceholder.size(), PowerOffNameField(monitorName));
        }
        runs.push_back({std::move(text), run.emphasised});
    }
    return runs;
}

void ShowPowerOffInformation(std::int32_t row) {
    g_row = row;
    DialogRun(kPowerOff);
}
