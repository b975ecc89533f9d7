// The program's home page: the help window links to it, the update check reads from it.
#pragma once

inline constexpr wchar_t kHomePage[] = L"https://lumistrand.org";
