// The help window (template 102): the user guide in the UI language, a link to the home page.
#pragma once

// Opens it, or brings it to the front when it is open; returns when it is closed.
void OpenHelpWindow();
