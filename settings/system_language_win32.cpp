#include <windows.h>

#include "settings/system_language.h"

std::uint16_t SystemUiPrimaryLanguage() { return PRIMARYLANGID(GetUserDefaultUILanguage()); }
