// The update check: reads the download site's version.inf and offers a newer version.
#pragma once

// interactive: the user asked ("Check now", the menu), so an up-to-date program and a failed
// check are reported; otherwise only a newer version shows anything. A check that starts while
// another runs (its dialog is up) returns at once.
void CheckForUpdate(bool interactive);

// Timer 0x2B: checks when the daily/weekly choice says it is time.
void AutomaticUpdateCheck();
