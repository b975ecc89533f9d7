#include "testing/wine/e2e_tray_win32.h"

#include <commctrl.h>

namespace {

// Icons are child windows of this tray; their tooltips and balloons are owned by it.
constexpr wchar_t kTrayClass[] = L"__winex11_standalone_tray";

struct Tooltip {
    HWND window;
    bool balloon;
};

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

BOOL CALLBACK CollectTooltip(HWND window, LPARAM found) {
    const HWND owner = GetWindow(window, GW_OWNER);
    if (owner != nullptr && ClassOf(window) == TOOLTIPS_CLASSW && ClassOf(owner) == kTrayClass) {
        const bool balloon = (GetWindowLongW(window, GWL_STYLE) & TTS_BALLOON) != 0;
        reinterpret_cast<std::vector<Tooltip>*>(found)->push_back({window, balloon});
    }
    return TRUE;
}

std::vector<Tooltip> Tooltips() {
    std::vector<Tooltip> found;
    EnumWindows(CollectTooltip, reinterpret_cast<LPARAM>(&found));
    return found;
}

// The tooltip's one tool is its icon; the tool and its text live in explorer, so the
// requests and the answers go through its memory.
std::wstring ToolText(const Tooltip& tooltip) {
    DWORD processId = 0;
    GetWindowThreadProcessId(tooltip.window, &processId);
    const HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (process == nullptr) return {};
    constexpr SIZE_T kTextOffset = 512, kTextChars = 1024;
    auto* remote = static_cast<char*>(VirtualAllocEx(process, nullptr, kTextOffset + kTextChars * sizeof(wchar_t),
                                                     MEM_COMMIT, PAGE_READWRITE));
    std::wstring text;
    if (remote != nullptr) {
        TTTOOLINFOW info{};
        info.cbSize = sizeof(info);
        WriteProcessMemory(process, remote, &info, sizeof(info), nullptr);
        if (SendMessageW(tooltip.window, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(remote)))
            ReadProcessMemory(process, remote, &info, sizeof(info), nullptr);
        info.lpszText = reinterpret_cast<wchar_t*>(remote + kTextOffset);
        const wchar_t empty = L'\0';
        WriteProcessMemory(process, remote, &info, sizeof(info), nullptr);
        WriteProcessMemory(process, remote + kTextOffset, &empty, sizeof(empty), nullptr);
        SendMessageW(tooltip.window, TTM_GETTEXTW, kTextChars, reinterpret_cast<LPARAM>(remote));
        std::vector<wchar_t> buffer(kTextChars, L'\0');
        ReadProcessMemory(process, remote + kTextOffset, buffer.data(), (kTextChars - 1) * sizeof(wchar_t), nullptr);
        text = buffer.data();
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    }
    CloseHandle(process);
    return text;
}

}  // namespace

std::vector<std::wstring> TrayIconTips() {
    std::vector<std::wstring> tips;
    for (const Tooltip& tooltip : Tooltips()) {
        if (!tooltip.balloon) tips.push_back(ToolText(tooltip));
    }
    return tips;
}

std::wstring TrayBalloonText() {
    for (const Tooltip& tooltip : Tooltips()) {
        if (tooltip.balloon && IsWindowVisible(tooltip.window)) return ToolText(tooltip);
    }
    return {};
}
