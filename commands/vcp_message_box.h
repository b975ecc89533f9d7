// Showing the box a VCP command prepared (monitors/pending_requests.h g_vcpMessage) when the
// main window's timer 0x46 fires.
#pragma once
#include <cstdint>

enum class VcpBoxStyle { None, Plain, Warning };

// Failures always show, with a warning icon; a plain result stays hidden while the line
// wanted the value as its exit code instead.
VcpBoxStyle PreparedVcpBoxStyle();
// Windows: shows the prepared box owned by the main window (blocks until it is closed).
void ShowPreparedVcpBox(std::uintptr_t ownerWindow);
