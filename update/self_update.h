// The two ways the program replaces or removes itself: a batch file that waits until the program
// has ended, then runs one checked file or deletes the program.
#pragma once

#include "update/version_info.h"

// Downloads the installer (installed by it) or the new program file, runs it through the batch
// when it is a complete program file, and ends the program. Returns when nothing was started.
void InstallNewVersion(const VersionInfo& offered);

// Writes the uninstall batch and opens it; when a path cannot be written safely the batch is
// left empty and not run. False when nothing was started.
bool StartUninstallBatch();
