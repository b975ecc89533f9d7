#include <windows.h>
#include <shellapi.h>

#include <algorithm>

#include "platform/main_window_handle_win32.h"
#include "platform/notify_icon.h"
#include "res/resource.h"

namespace {

GUID ToGuid(const IconGuid& guid) {
    GUID result{guid.data1, guid.data2, guid.data3, {}};
    std::copy(guid.data4.begin(), guid.data4.end(), result.Data4);
    return result;
}

template <std::size_t N>
void CopyText(wchar_t (&target)[N], const std::wstring& text) {
    const std::size_t length = std::min(text.size(), N - 1);
    std::copy_n(text.c_str(), length, target);
    target[length] = L'\0';
}

NOTIFYICONDATAW Record(const IconGuid& guid, UINT flags) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = MainWindowHandle();
    data.uID = NotifyIconId(guid);
    data.uFlags = flags | NIF_GUID;
    data.guidItem = ToGuid(guid);
    return data;
}

NOTIFYICONDATAW IconRecord(const NotifyIconRecord& record) {
    NOTIFYICONDATAW data = Record(record.guid, NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_SHOWTIP);
    data.uCallbackMessage = record.callbackMessage;
    data.hIcon = reinterpret_cast<HICON>(record.image);
    CopyText(data.szTip, record.tip);
    return data;
}

// Without the window the shell would keep icons nobody can remove.
bool Send(DWORD action, NOTIFYICONDATAW& data) {
    return data.hWnd != nullptr && Shell_NotifyIconW(action, &data) != FALSE;
}

}  // namespace

bool NotifyIconAdd(const NotifyIconRecord& record) {
    NOTIFYICONDATAW data = IconRecord(record);
    return Send(NIM_ADD, data);
}

bool NotifyIconModify(const NotifyIconRecord& record) {
    NOTIFYICONDATAW data = IconRecord(record);
    return Send(NIM_MODIFY, data);
}

bool NotifyIconDelete(const IconGuid& guid) {
    NOTIFYICONDATAW data = Record(guid, 0);
    return Send(NIM_DELETE, data);
}

bool NotifyIconUseVersion4(const IconGuid& guid) {
    NOTIFYICONDATAW data = Record(guid, 0);
    data.uVersion = NOTIFYICON_VERSION_4;
    return Send(NIM_SETVERSION, data);
}

bool NotifyIconShowBalloon(const NotifyBalloon& balloon) {
    NOTIFYICONDATAW data = Record(balloon.guid, NIF_TIP | NIF_INFO | NIF_SHOWTIP);
    data.dwInfoFlags = NIIF_USER | NIIF_NOSOUND | NIIF_LARGE_ICON;
    data.hBalloonIcon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_PROGRAM),
                                                      IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                                      GetSystemMetrics(SM_CYICON), LR_SHARED));
    CopyText(data.szTip, balloon.tip);
    CopyText(data.szInfoTitle, balloon.title);
    CopyText(data.szInfo, balloon.text);
    return Send(NIM_MODIFY, data);
}

bool NotifyIconRect(const IconGuid& guid, ScreenRect& rect) {
    NOTIFYICONIDENTIFIER identifier{};
    identifier.cbSize = sizeof(identifier);
    identifier.hWnd = MainWindowHandle();
    identifier.uID = NotifyIconId(guid);
    identifier.guidItem = ToGuid(guid);
    RECT found{};
    if (identifier.hWnd == nullptr || FAILED(Shell_NotifyIconGetRect(&identifier, &found))) return false;
    rect = {found.left, found.top, found.right, found.bottom};
    return true;
}

std::uint32_t NotifyIconTaskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}
