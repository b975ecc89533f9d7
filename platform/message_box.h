// Message boxes owned by the main window.
// Windows: message_box_win32.cpp. Host tests: testing/fakes/message_box_fake.cpp records them.
#pragma once
#include <string>

// Blocks until the user closes the box; warning adds the warning icon.
void MessageBoxShow(const std::wstring& title, const std::wstring& text, bool warning);
// OK/Cancel with the question icon that offers not to ask again; valueName keeps that
// choice. True when the answer is OK (also when the user chose earlier not to be asked).
bool MessageBoxAskOnce(const std::wstring& title, const std::wstring& text, const wchar_t* valueName);
// Yes/No with No as the default, the warning or else the question icon. True only for Yes.
bool MessageBoxYesNo(const std::wstring& title, const std::wstring& text, bool warning);
