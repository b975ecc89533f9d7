#include "app/pending_line.h"

#include <algorithm>
#include <array>

#include "commands/normalise.h"

namespace {
std::array<wchar_t, kCommandBufferChars> g_line{};
}  // namespace

void SetPendingLine(std::wstring_view text) {
    const std::size_t length = std::min(text.size(), g_line.size() - 1);
    std::fill(g_line.begin(), g_line.end(), L'\0');
    std::copy_n(text.begin(), length, g_line.begin());
}

wchar_t* PendingLine() { return g_line.data(); }
