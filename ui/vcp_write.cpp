#include "ui/vcp_write.h"

#include "monitors/monitor_list.h"
#include "platform/dialog_controls.h"
#include "platform/instance.h"
#include "platform/requests.h"
#include "res/resource.h"
#include "settings/texts.h"
#include "vcp/vcp_code_table.h"

namespace {

constexpr DialogWindow kWrite = DialogWindow::VcpWrite;

struct Step {
    int button;
    const wchar_t* text;
};
constexpr Step kSteps[] = {
    {IDC_VCP_STEP_UP_1, L" + 1"}, {IDC_VCP_STEP_DOWN_1, L" - 1"}, {IDC_VCP_STEP_UP_5, L" + 5"}, {IDC_VCP_STEP_DOWN_5, L" - 5"}};

constexpr int kWritingControls[] = {IDC_VCP_WRITE_COMMAND, IDC_VCP_WRITE_VALUE, IDC_VCP_STEP_UP_1,
                                    IDC_VCP_STEP_DOWN_1,   IDC_VCP_STEP_UP_5,   IDC_VCP_STEP_DOWN_5};

std::int32_t g_monitor = 0;
VcpExplorerRow g_row;

std::wstring AccessText(const VcpCodeRow& code) {
    if (code.access == "RO") return UiText(TextId::VcpReadOnly);
    return UiText(code.access == "WO" ? TextId::VcpWriteOnly : TextId::VcpReadWrite);
}

void Open() {
    const VcpCodeRow& code = VcpLookup(g_row.code);
    DialogSetText(kWrite, IDC_VCP_WRITE_COMMAND, MonitorListCell(g_monitor, kColumnName) + L" setVCP 0x" + g_row.cells[0]);
    DialogSetText(kWrite, IDC_VCP_WRITE_NAME, g_row.cells[2]);
    DialogSetText(kWrite, IDC_VCP_WRITE_ACCESS, L"VCP-code 0x" + g_row.cells[0] + L" " + AccessText(code));
    DialogSetText(kWrite, IDC_VCP_WRITE_INSTRUCTION, UiText(TextId::VcpWriteInstruction));
    DialogSetText(kWrite, IDOK, UiText(TextId::VcpClose));
    DialogSetText(kWrite, IDC_VCP_WRITE_NOTE, UiText(TextId::VcpWriteNote));
    DialogSetText(kWrite, IDC_VCP_WRITE_CURRENT, UiText(TextId::VcpCurrent) + g_row.cells[3]);
    DialogSetText(kWrite, IDC_VCP_WRITE_MAXIMUM, UiText(TextId::VcpMaximum) + g_row.cells[4]);
    DialogSetText(kWrite, IDC_VCP_WRITE_VALUE, g_row.cells[3]);
    for (const Step& step : kSteps) DialogSetEnabled(kWrite, step.button, code.type != "NC");
    if (code.access == "RO") {
        for (const int control : kWritingControls) DialogSetEnabled(kWrite, control, false);
    }
}

void Submit(const std::wstring& tail) {
    SubmitCommandLine(DialogText(kWrite, IDC_VCP_WRITE_COMMAND) + tail, kOriginInternal);
}

// Enter in the value field arrives as the default button: only Close with the focus closes.
bool Command(int controlId) {
    if (controlId == IDC_VCP_WRITE_COMMAND) Submit(L" " + DialogText(kWrite, IDC_VCP_WRITE_VALUE));
    for (const Step& step : kSteps) {
        if (controlId == step.button) Submit(step.text);
    }
    if (controlId == IDOK) return DialogHasFocus(kWrite, IDOK);
    return controlId == IDCANCEL || controlId == kDialogDismissed;
}

constexpr DialogSpec kWriteSpec{kWrite, IDD_VCP_WRITE, kTimerShowVcpWrite, false, 0, Open, Command};

}  // namespace

void OpenVcpWrite(std::int32_t monitor, const VcpExplorerRow& row) {
    if (DialogIsOpen(kWrite)) {
        DialogRun(kWriteSpec);
        return;
    }
    g_monitor = monitor;
    g_row = row;
    DialogRun(kWriteSpec);
}
