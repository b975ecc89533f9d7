#include "testing/fakes/message_box_fake.h"

namespace {
std::vector<ShownMessageBox> g_shown;
bool g_askOnceAnswer = true;
bool g_yesNoAnswer = false;
}  // namespace

void FakeMessageBoxReset() {
    g_shown.clear();
    g_askOnceAnswer = true;
    g_yesNoAnswer = false;
}

void FakeMessageBoxAnswerYesNo(bool yes) { g_yesNoAnswer = yes; }

void FakeMessageBoxAnswerAskOnce(bool ok) { g_askOnceAnswer = ok; }

const std::vector<ShownMessageBox>& FakeMessageBoxesShown() { return g_shown; }

void MessageBoxShow(const std::wstring& title, const std::wstring& text, bool warning) {
    g_shown.push_back({title, text, warning});
}

bool MessageBoxAskOnce(const std::wstring& title, const std::wstring& text, const wchar_t*) {
    g_shown.push_back({title, text, false});
    return g_askOnceAnswer;
}

bool MessageBoxYesNo(const std::wstring& title, const std::wstring& text, bool warning) {
    g_shown.push_back({title, text, warning});
    return g_yesNoAnswer;
}
