// Showing the box a VCP command prepared (monitors/pending_requests.h) when the main
// window's timer 0x46 fires.
#pragma once

enum class VcpBoxStyle { None, Plain, Warning };

// Failures always show, with a warning icon; a plain result stays hidden while the line
// wanted the value as its exit code instead.
VcpBoxStyle PreparedVcpBoxStyle();
// Shows the prepared box, if it is to be shown (blocks until it is closed).
void ShowPreparedVcpBox();
