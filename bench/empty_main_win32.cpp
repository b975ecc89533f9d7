// The smallest GUI program: the baseline cost of starting and ending a process.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return 0; }
