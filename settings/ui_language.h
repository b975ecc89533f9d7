// The language of every user-visible text: the system's, overridden by setting `language`.
// Chosen once at start (a change restarts the program), read everywhere.
#pragma once
#include <cstdint>

inline constexpr std::uint16_t kLanguageGerman = 0x07;
inline constexpr std::uint16_t kLanguageEnglish = 0x09;

// primaryLanguage: a primary language id such as kLanguageGerman.
void UiLanguageSet(std::uint16_t primaryLanguage);
bool UiIsGerman();
