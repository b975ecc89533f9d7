// The smallest program that shows a window, of the class given on the command line: an older
// version as a new start sees it ("Lumistrand class 6.3" when none is given), and the baseline
// of the benchmarks' working set. It runs until something ends the process.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
    const wchar_t* className = commandLine[0] != L'\0' ? commandLine : L"Lumistrand class 6.3";
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = className;
    if (RegisterClassW(&windowClass) == 0) return 1;
    if (CreateWindowExW(0, className, L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr,
                        instance, nullptr) == nullptr)
        return 1;
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    return 0;
}
