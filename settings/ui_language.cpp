#include "settings/ui_language.h"

namespace {

std::uint16_t g_uiLanguage = 0;

}  // namespace

void UiLanguageSet(std::uint16_t primaryLanguage) { g_uiLanguage = primaryLanguage; }

bool UiIsGerman() { return g_uiLanguage == kLanguageGerman; }
