// The minimal window plus what the viewer cannot start without: the common controls library
// (the folder field's shared image list, the tool tips) and the shell library (the folder field
// is a drop target from its first show). startup_bench shows how much of the viewer's start-up
// these libraries alone cost under this platform.
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

namespace {
LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(window, &paint);
            FillRect(dc, &paint.rcPaint, GetSysColorBrush(COLOR_BTNFACE));
            TextOutA(dc, 8, 8, "libraries", 9);
            EndPaint(window, &paint);
            return 0;
        }
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    HIMAGELIST images = ImageList_Create(14, 12, ILC_COLOR4 | ILC_MASK, 1, 0);
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = &WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = "LibrariesWindow";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, "LibrariesWindow", "Libraries window", WS_OVERLAPPEDWINDOW, 15, 45, 642, 450,
                                  nullptr, nullptr, instance, nullptr);
    DragAcceptFiles(window, TRUE);
    ShowWindow(window, show);
    UpdateWindow(window);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    ImageList_Destroy(images);
    return 0;
}
