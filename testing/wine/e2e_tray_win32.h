// The notification area as another process sees it under Wine: each icon is a window of
// explorer with a tooltip of its own, and a balloon is one more tooltip with the balloon style.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

// The tooltip texts of every icon shown, one per icon.
std::vector<std::wstring> TrayIconTips();
// The text of the balloon that shows now; empty when none does.
std::wstring TrayBalloonText();
// Polls until check returns true or timeoutMs pass; returns check's last answer.
template <typename Check>
bool TrayWaitFor(Check check, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (!check()) {
        if (GetTickCount() - start >= timeoutMs) return false;
        Sleep(50);
    }
    return true;
}
