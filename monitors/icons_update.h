// Redraws the notification icons from the monitor table. The icon set is not written yet:
// the call changes nothing until it is.
#pragma once

void UpdateIcons();
