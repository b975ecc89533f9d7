#include <algorithm>

#include "app/forwarding.h"
#include "app/main_window_win32.h"
#include "app/submit.h"

int WaitForForwardingReply() {
    // The same 20 s as 100 pauses of 200 ms, but a posted message ends a pause at once, so
    // the answer costs no idle time and a stream of other messages cannot shorten the wait.
    const DWORD limit = kReplyAttempts * kReplyPauseMs;
    const DWORD start = GetTickCount();
    for (;;) {
        MSG message{};
        // Only the marked reply carries an exit code; any other message is no answer.
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.hwnd == nullptr && message.message == WM_COMMAND && LOWORD(message.lParam) == kReplyMarker)
                return static_cast<int>(message.wParam);
        }
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= limit) return 0;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, std::min<DWORD>(limit - elapsed, kReplyPauseMs), QS_POSTMESSAGE);
    }
}

int RunSecondInstance(const wchar_t* commandLine, bool minimizeFlag) {
    HWND running = FindWindowW(kMainWindowClass, nullptr);
    if (running == nullptr) return 0;
    const std::wstring_view line = commandLine != nullptr ? std::wstring_view(commandLine) : std::wstring_view();
    if (line.empty()) {
        if (!minimizeFlag) PostMessageW(running, WM_COMMAND, kCommandShowPanel, 0);
        return 0;
    }
    // The reply is a thread message: the queue must exist before the running instance posts it.
    MSG probe;
    PeekMessageW(&probe, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
    if (!SubmitCommandLineTo(reinterpret_cast<std::uintptr_t>(running), line, GetCurrentThreadId())) return 0;
    return WaitForForwardingReply();
}
