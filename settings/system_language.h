// Language seam: the primary language id of the user's default user-interface language.
// Windows: system_language_win32.cpp. Host tests: testing/fakes/system_language_fake.cpp.
#pragma once
#include <cstdint>

std::uint16_t SystemUiPrimaryLanguage();
