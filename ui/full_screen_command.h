// The command entry of one program row of the full-screen list (templates 119 / 120): shows the
// program and its command line; OK stores the edited line, Delete removes the row.
#pragma once

// row: 0..15; the settings dialog's program page opens it.
void OpenFullScreenCommand(int row);
