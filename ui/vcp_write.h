// The VCP write dialog (template 122): builds the command line a user could type for one
// code of the explorer's monitor and submits it; the step buttons add " + 1" ... " - 5".
#pragma once
#include <cstdint>

#include "ui/vcp_explorer_rows.h"

// Modal; when it is open already it is only brought to the front.
void OpenVcpWrite(std::int32_t monitor, const VcpExplorerRow& row);
