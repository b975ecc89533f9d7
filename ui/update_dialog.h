// The update dialog (templates 114 English, 115 German): both versions and the new version's notes.
#pragma once
#include <string>

#include "update/version_info.h"

enum class UpdateChoice { Cancel, Homepage, Install };

// The text field: both versions as "x.x", then the offered file's notes in the UI language.
std::wstring UpdateDialogText(const VersionInfo& running, const VersionInfo& offered);

// Shows the dialog until a button ends it; Cancel also when it could not be shown.
UpdateChoice AskForUpdate(const VersionInfo& running, const VersionInfo& offered);
