#include "ui/vcp_explorer.h"

#include <algorithm>

#include "commands/target.h"
#include "monitors/capabilities.h"
#include "monitors/monitor_list.h"
#include "monitors/monitor_table.h"
#include "platform/control_panel.h"
#include "platform/dialog_controls.h"
#include "platform/input.h"
#include "platform/main_window.h"
#include "res/resource.h"
#include "settings/texts.h"
#include "ui/settings_dialog.h"
#include "ui/vcp_explorer_rows.h"
#include "ui/vcp_write.h"
#include "vcp/vcp_group.h"

namespace {

constexpr DialogWindow kExplorer = DialogWindow::VcpExplorer;
constexpr DialogWindow kWait = DialogWindow::VcpWait;
constexpr std::int32_t kVirtualKeyShift = 0x10;
constexpr std::int32_t kVirtualKeyControl = 0x11;

VcpScan g_scan;
bool g_tryAll = false;

std::wstring ComboLine(const MonitorEntry& entry) {
    std::wstring line;
    const auto add = [&](const std::wstring& field) {
        if (!field.empty()) line += field + L"  ";
    };
    add(entry.displayName);
    add(entry.capsModel);
    add(entry.serialNumber);
    if (entry.usageHours > 0) {
        const bool week = entry.weekOfManufacture >= 1 && entry.weekOfManufacture <= 53;
        add(std::to_wstring(entry.usageHours) + (week ? L" (week " + std::to_wstring(entry.weekOfManufacture) + L")" : L""));
    }
    add(entry.manufacturerName);
    return line;
}

void ShowCapabilities(const MonitorEntry& entry) {
    std::wstring text = entry.capabilities.empty() ? UiText(TextId::VcpNoCapabilities) : CapsToWide(entry.capabilities);
    text.resize(std::min(text.size(), kCapabilitiesMaxChars));
    const TextRun runs[] = {{text + UiText(TextId::VcpCapabilitiesNote), false}};
    DialogSetRichText(kExplorer, IDC_VCP_CAPABILITIES, runs);
}

void FillMonitorCombo() {
    DialogComboClear(kExplorer, IDC_VCP_MONITOR);
    const std::int32_t rows = MonitorListRowCount();
    for (std::int32_t row = 0; row < rows && row < kMonitorCount; ++row) {
        DialogComboAdd(kExplorer, IDC_VCP_MONITOR, ComboLine(g_monitors.entries[static_cast<std::size_t>(row)]));
    }
    DialogComboSelect(kExplorer, IDC_VCP_MONITOR, ComboLine(TargetEntry()));
}

void OpenWait() { DialogSetText(kWait, IDC_VCP_WAIT_TEXT, UiText(TextId::VcpWait)); }

// Every way of closing the wait window ends the reading; the explorer shows what it has.
bool WaitCommand(int) {
    VcpScanStop(g_scan);
    return true;
}

void OpenExplorer() {
    // Hiding pauses the main thread for the pointer; a hidden panel need not pay that.
    if (ControlPanelIsVisible()) MainWindowPostCommand(kCommandHidePanel, 0);
    MainWindowSetTimer(kTimerExplorerClosesSettings, 1000);
    const TextRun warning[] = {{UiText(TextId::VcpWarning), true}};
    DialogSetRichText(kExplorer, IDC_VCP_WARNING, warning);
    DialogSetText(kExplorer, IDOK, UiText(TextId::VcpClose));
    MonitorEntry& entry = TargetEntry();
    ShowCapabilities(entry);
    const ListColumn columns[] = {
        {L"VCP-code", 11, false},
        {UiText(TextId::VcpColumnAccess), 9.7, false},
        {UiText(TextId::VcpColumnDescription), 4, false},
        {UiText(TextId::VcpColumnCurrent), 11, true},
        {UiText(TextId::VcpColumnMaximum), 11, true},
        {UiText(TextId::VcpColumnPossible), 2.9, false},
    };
    DialogListSetColumns(kExplorer, IDC_VCP_LIST, columns);
    const std::wstring fieldsTip = UiText(TextId::VcpTipFields);
    const ControlTip tips[] = {{IDC_VCP_MONITOR, fieldsTip},
                               {IDC_VCP_WARNING, fieldsTip},
                               {IDC_VCP_CAPABILITIES, fieldsTip},
                               {IDC_VCP_LIST, UiText(TextId::VcpTipList)}};
    DialogSetTips(kExplorer, tips);
    FillMonitorCombo();
    const auto monitor = static_cast<std::int32_t>(&entry - g_monitors.entries.data());
    g_scan = VcpScanStart(monitor, entry.capabilities, g_tryAll);
    ForgetPlaceholderCapabilities(entry.capabilities);
}

bool ExplorerWork() {
    const std::size_t rowsBefore = g_scan.rows.size();
    if (!VcpScanStep(g_scan)) {
        DialogListFitRows(kExplorer, IDC_VCP_LIST);
        DialogClose(kWait);
        return false;
    }
    for (std::size_t i = rowsBefore; i < g_scan.rows.size(); ++i) {
        DialogListAppend(kExplorer, IDC_VCP_LIST, g_scan.rows[i].cells, g_scan.rows[i].red);
    }
    return true;
}

bool ExplorerCommand(int controlId) {
    const bool close = controlId == IDOK || controlId == IDCANCEL || controlId == kDialogDismissed;
    if (close) DialogClose(DialogWindow::VcpWrite);
    return close;
}

void ExplorerChosen(int controlId, std::int32_t index) {
    if (controlId == IDC_VCP_LIST && index >= 0 && static_cast<std::size_t>(index) < g_scan.rows.size()) {
        OpenVcpWrite(g_scan.monitor, g_scan.rows[static_cast<std::size_t>(index)]);
    }
    if (controlId == IDC_VCP_MONITOR && index >= 0 && index < MonitorListRowCount()) {
        ChooseMonitor(index);
        DialogClose(DialogWindow::VcpWrite);
        DialogClose(kExplorer);
        MainWindowPostCommand(IDM_VCP_CODES, 0);
    }
}

constexpr ModelessSpec kWaitSpec{kWait, IDD_VCP_WAIT, false, OpenWait, nullptr, WaitCommand, nullptr};
constexpr ModelessSpec kExplorerSpec{kExplorer,      IDD_VCP_EXPLORER, true, OpenExplorer, ExplorerWork,
                                     ExplorerCommand, ExplorerChosen};

}  // namespace

void ShowVcpExplorer() {
    if (DialogIsOpen(kExplorer)) {
        DialogOpenModeless(kExplorerSpec);
        return;
    }
    // Taken before any window opens: a window that takes the focus may have the key states
    // read afresh from the keyboard.
    g_tryAll = KeyIsDown(kVirtualKeyControl) && KeyIsDown(kVirtualKeyShift);
    DialogOpenModeless(kWaitSpec);
    DialogOpenModeless(kExplorerSpec);
}

void ExplorerClosesSettingsTick() {
    if (!DialogIsOpen(kExplorer)) {
        MainWindowKillTimer(kTimerExplorerClosesSettings);
        return;
    }
    CloseSettingsDialogIfOpen();
}
