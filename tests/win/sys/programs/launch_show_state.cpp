// A program that shows one window the way it was asked to at start and reports the state the
// window took: exit code 0 hidden, 1 normal, 2 minimised, 3 maximised. When a file path is given
// as its argument, the same digit is written into that file.
#include <windows.h>

#include <cstdlib>

namespace {
int WindowState(HWND window) {
    if (!IsWindowVisible(window)) return 0;
    if (IsIconic(window)) return 2;
    if (IsZoomed(window)) return 3;
    return 1;
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCmd) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = "LaunchShowState";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, "LaunchShowState", "Launch show state", WS_OVERLAPPEDWINDOW, 10, 10, 200, 100,
                                  nullptr, nullptr, instance, nullptr);
    if (!window) return 100;
    ShowWindow(window, showCmd);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    const int state = WindowState(window);
    if (__argc > 1) {
        HANDLE file = CreateFileA(__argv[1], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            const char digit = static_cast<char>('0' + state);
            DWORD written = 0;
            WriteFile(file, &digit, 1, &written, nullptr);
            CloseHandle(file);
        }
    }
    return state;
}
