#include <windows.h>
#include <commctrl.h>

#include "platform/overflow_tray.h"
#include "platform/owners_win32.h"

namespace {

// A 64-bit explorer writes 32-byte button records; the command id sits at offset 4 in both sizes.
constexpr SIZE_T kButtonBytes = 32;
constexpr SIZE_T kTextBytes = 2048;
constexpr LRESULT kTextCharsMax = kTextBytes / sizeof(wchar_t) - 1;

// Memory reserved in the toolbar's process, released with it.
class RemoteBuffer {
public:
    RemoteBuffer(HANDLE process, SIZE_T bytes)
        : process_(process), address_(VirtualAllocEx(process, nullptr, bytes, MEM_COMMIT, PAGE_READWRITE)) {}
    ~RemoteBuffer() {
        if (address_ != nullptr) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;
    void* address() const { return address_; }
    bool Read(void* into, SIZE_T bytes) const {
        return ReadProcessMemory(process_, address_, into, bytes, nullptr) != 0;
    }

private:
    HANDLE process_;
    void* address_;
};

std::optional<std::wstring> ButtonText(HWND toolbar, int index, const RemoteBuffer& button, const RemoteBuffer& text) {
    BYTE record[kButtonBytes] = {};
    if (!SendMessageW(toolbar, TB_GETBUTTON, index, reinterpret_cast<LPARAM>(button.address())) ||
        !button.Read(record, sizeof record)) {
        return std::nullopt;
    }
    int command = 0;
    memcpy(&command, record + offsetof(TBBUTTON, idCommand), sizeof command);
    // A longer text would overrun the remote buffer.
    const LRESULT length = SendMessageW(toolbar, TB_GETBUTTONTEXTW, command, 0);
    if (length <= 0 || length > kTextCharsMax) return std::wstring();
    wchar_t chars[kTextBytes / sizeof(wchar_t)] = {};
    SendMessageW(toolbar, TB_GETBUTTONTEXTW, command, reinterpret_cast<LPARAM>(text.address()));
    if (!text.Read(chars, sizeof chars)) return std::nullopt;
    return std::wstring(chars, static_cast<std::size_t>(length));
}

}  // namespace

std::optional<std::vector<std::wstring>> OverflowTrayButtonTexts() {
    const HWND overflow = FindWindowW(L"NotifyIconOverflowWindow", nullptr);
    const HWND toolbar = overflow == nullptr ? nullptr : FindWindowExW(overflow, nullptr, L"ToolbarWindow32", nullptr);
    DWORD processId = 0;
    if (toolbar == nullptr || GetWindowThreadProcessId(toolbar, &processId) == 0) return std::nullopt;
    const UniqueHandle process(OpenProcess(PROCESS_ALL_ACCESS, FALSE, processId));
    if (!process) return std::nullopt;
    const RemoteBuffer button(process.get(), kButtonBytes);
    const RemoteBuffer text(process.get(), kTextBytes);
    if (button.address() == nullptr || text.address() == nullptr) return std::nullopt;
    std::vector<std::wstring> texts;
    const int count = static_cast<int>(SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        if (auto one = ButtonText(toolbar, i, button, text)) texts.push_back(std::move(*one));
    }
    return texts;
}
