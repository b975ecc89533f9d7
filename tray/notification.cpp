#include "tray/notification.h"

// The icon set that owns the balloon is not built yet; no balloon exists to show.
void ShowNotification(NotificationKind) {}
