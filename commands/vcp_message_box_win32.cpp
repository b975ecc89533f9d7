#include <windows.h>

#include "commands/vcp_message_box.h"
#include "monitors/pending_requests.h"

void ShowPreparedVcpBox(std::uintptr_t ownerWindow) {
    const VcpBoxStyle style = PreparedVcpBoxStyle();
    if (style == VcpBoxStyle::None) return;
    MessageBoxW(reinterpret_cast<HWND>(ownerWindow), g_vcpMessage.text.c_str(), g_vcpMessage.title.c_str(),
                style == VcpBoxStyle::Warning ? MB_OK | MB_ICONWARNING : MB_OK);
}
