#include "platform/requests.h"

// The icon set that owns the icons and their balloons is not built yet: there is nothing to
// redraw and no balloon to show.
void UpdateIcons() {}

void ShowNotification(NotificationKind) {}
