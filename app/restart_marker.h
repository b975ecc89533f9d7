// The files a restart leaves in "\Lumistrand" of the roaming folder for its successor.
#pragma once

// At exit with a restart: the empty marker "hiddenrestart" exists exactly when the successor
// must stay hidden. False when the folder or the marker could not be made.
bool MarkHiddenRestart(bool hidden);

// At start: takes (deletes) the marker and reports whether it was there; also deletes the
// obsolete "Lumistrand.bat" and removes the folder when nothing else is left in it.
bool TakeHiddenRestartMarker();
