#include "commands/vcp_message_box.h"

#include "commands/interpreter.h"
#include "monitors/pending_requests.h"
#include "platform/message_box.h"

VcpBoxStyle PreparedVcpBoxStyle() {
    const VcpMessage& message = PreparedVcpMessage();
    if (message.text.empty()) return VcpBoxStyle::None;
    if (message.failure) return VcpBoxStyle::Warning;
    return InterpreterState().getVcpErrorLevel != 0 ? VcpBoxStyle::None : VcpBoxStyle::Plain;
}

void ShowPreparedVcpBox() {
    const VcpBoxStyle style = PreparedVcpBoxStyle();
    if (style == VcpBoxStyle::None) return;
    const VcpMessage& message = PreparedVcpMessage();
    MessageBoxShow(message.title, message.text, style == VcpBoxStyle::Warning);
}
