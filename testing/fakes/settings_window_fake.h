// The settings dialog's window on the host: open or not.
#pragma once

void FakeSettingsWindowSetOpen(bool open);
