#include <windows.h>

#include "app/app_state.h"
#include "app/forwarding.h"
#include "platform/instance.h"

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
    HWND sender = reinterpret_cast<HWND>(g_app.mainWindow);
    return SendMessageTimeoutW(target, WM_COPYDATA, reinterpret_cast<WPARAM>(sender), reinterpret_cast<LPARAM>(&data),
                               SMTO_NORMAL, kSendTimeoutMs, &result) != 0;
}
