#include "commands/vcp_message_box.h"

#include "commands/interpreter.h"
#include "monitors/pending_requests.h"

VcpBoxStyle PreparedVcpBoxStyle() {
    if (g_vcpMessage.text.empty()) return VcpBoxStyle::None;
    if (g_vcpMessage.text.find(L"Error") != std::wstring::npos) return VcpBoxStyle::Warning;
    return g_interpreter.getVcpErrorLevel != 0 ? VcpBoxStyle::None : VcpBoxStyle::Plain;
}
