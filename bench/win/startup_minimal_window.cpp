// The floor of start-up: the smallest program that opens a window of the main window's size and
// paints it, then waits for messages. startup_bench compares the viewer with it.
// Built a second time with WITH_VIEWER_LIBRARIES, it also loads what the viewer cannot start
// without: the common controls library (the folder field's shared image list, the tool tips) and
// the shell library (the folder field is a drop target from its first show).
#include <windows.h>
#ifdef WITH_VIEWER_LIBRARIES
#include <commctrl.h>
#include <shellapi.h>
#endif

namespace {
LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(window, &paint);
            FillRect(dc, &paint.rcPaint, GetSysColorBrush(COLOR_BTNFACE));
            TextOutA(dc, 8, 8, "minimal", 7);
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
#ifdef WITH_VIEWER_LIBRARIES
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    HIMAGELIST images = ImageList_Create(14, 12, ILC_COLOR4 | ILC_MASK, 1, 0);
#endif
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = &WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = "MinimalWindow";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, "MinimalWindow", "Minimal window", WS_OVERLAPPEDWINDOW, 15, 45, 642, 450,
                                  nullptr, nullptr, instance, nullptr);
#ifdef WITH_VIEWER_LIBRARIES
    DragAcceptFiles(window, TRUE);
#endif
    ShowWindow(window, show);
    UpdateWindow(window);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
#ifdef WITH_VIEWER_LIBRARIES
    ImageList_Destroy(images);
#endif
    return 0;
}
