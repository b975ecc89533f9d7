// The system's user-interface language as a test sets it (English until then).
#pragma once
#include <cstdint>

#include "settings/system_language.h"

void FakeSystemUiLanguageSet(std::uint16_t primaryLanguage);
