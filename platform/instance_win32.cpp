#include <windows.h>

#include "platform/instance.h"
#include "platform/main_window_handle_win32.h"

namespace {
// A hung running instance must not hold a second start beyond its promised 20 seconds.
constexpr UINT kSendTimeoutMs = 20000;
}  // namespace

bool InstanceSendLine(std::uintptr_t window, std::uint32_t origin, const char16_t* block) {
    HWND target = reinterpret_cast<HWND>(window);
    if (target == nullptr) return false;
    COPYDATASTRUCT data{};
    data.dwData = origin;
    data.cbData = kForwardedBlockBytes;
    data.lpData = const_cast<char16_t*>(block);
    DWORD_PTR result = 0;
    HWND sender = MainWindowHandle();
    return SendMessageTimeoutW(target, WM_COPYDATA, reinterpret_cast<WPARAM>(sender), reinterpret_cast<LPARAM>(&data),
                               SMTO_NORMAL, kSendTimeoutMs, &result) != 0;
}
