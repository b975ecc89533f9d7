#include "testing/fakes/system_language_fake.h"

namespace {
std::uint16_t g_language = 0x09;
}

std::uint16_t SystemUiPrimaryLanguage() { return g_language; }

void FakeSystemUiLanguageSet(std::uint16_t primaryLanguage) { g_language = primaryLanguage; }
