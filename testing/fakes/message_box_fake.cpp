#include "testing/fakes/message_box_fake.h"

namespace {
std::vector<ShownMessageBox> g_shown;
}  // namespace

void FakeMessageBoxReset() { g_shown.clear(); }

const std::vector<ShownMessageBox>& FakeMessageBoxesShown() { return g_shown; }

void MessageBoxShow(const std::wstring& title, const std::wstring& text, bool warning) {
    g_shown.push_back({title, text, warning});
}

bool MessageBoxAskOnce(const std::wstring& title, const std::wstring& text, const wchar_t*) {
    g_shown.push_back({title, text, false});
    return true;
}
