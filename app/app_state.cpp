#include "app/app_state.h"

#include <algorithm>

AppState g_app;

void SetPendingLine(std::wstring_view text) {
    const std::size_t length = std::min(text.size(), g_app.commandLine.size() - 1);
    std::fill(g_app.commandLine.begin(), g_app.commandLine.end(), L'\0');
    std::copy_n(text.begin(), length, g_app.commandLine.begin());
}
