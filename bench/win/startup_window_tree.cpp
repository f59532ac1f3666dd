// A floor of another kind for startup_bench: the viewer's windows made with bare Win32 calls and
// nothing else. The application window, the main window with the same child windows of the same
// kinds, styles, places and texts, the four hidden windows, the timer window, the folder field's
// image list and drop registration; then the main window is shown and painted. No file is read and
// no object layer stands between the calls, so no viewer can start faster while it makes the
// windows it has.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <initializer_list>

namespace {
// Children of the layer's own classes paint a face and, for the text control, its text.
LRESULT CALLBACK ChildProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        RECT client;
        GetClientRect(window, &client);
        FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
        char text[64];
        const int length = GetWindowTextA(window, text, sizeof text);
        if (length > 0) {
            SelectObject(dc, reinterpret_cast<HFONT>(GetPropA(window, "font")));
            SetBkMode(dc, TRANSPARENT);
            TextOutA(dc, 0, 0, text, length);
        }
        if (GetWindowLongPtrA(window, GWLP_ID) >= 100) DrawEdge(dc, &client, EDGE_RAISED, BF_RECT);
        EndPaint(window, &paint);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND: {
            RECT client;
            GetClientRect(window, &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
            return 1;
        }
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE) {
                SetFocus(GetNextDlgTabItem(window, nullptr, FALSE));
                return 0;
            }
            break;
        case WM_CLOSE:
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void Register(const char* name, WNDPROC procedure, HICON icon) {
    WNDCLASSA windowClass{};
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hIcon = icon;
    windowClass.lpszClassName = name;
    RegisterClassA(&windowClass);
}

struct TChild {
    const char* className;
    const char* text;
    DWORD style;
    DWORD exStyle;
    int parent;  // index of the parent in the table, or -1 for the main window
    int id, left, top, width, height;
};

// The main window's controls as a screen of 1024 pixels or more shows them.
const TChild kChildren[] = {
    {"EDIT", "Z:\\folder\\", ES_MULTILINE | ES_AUTOHSCROLL | WS_CLIPCHILDREN | WS_TABSTOP, WS_EX_CLIENTEDGE, -1, 1, 8,
     0, 209, 21},
    {"TreeHost", "", 0, 0, 0, 2, 186, 0, 19, 17},
    {"TreeChild", "", 0, 0, 1, 100, 0, 0, 19, 17},
    {"LISTBOX", "", LBS_SORT | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_HASSTRINGS | WS_VSCROLL | WS_TABSTOP,
     WS_EX_CLIENTEDGE, -1, 3, 8, 24, 209, 540},
    {"TreeChild", "", 0, 0, -1, 4, 224, 0, 680, 500},
    {"BUTTON", "Сонпик создал:", BS_GROUPBOX | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, -1, 5, 360, 512, 401, 113},
    {"TreeChild", "?", 0, 0, 5, 6, 8, 24, 11, 17},
    {"BUTTON", "", BS_GROUPBOX | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, 5, 7, 8, 40, 289, 65},
    {"TreeChild", "", 0, 0, 7, 8, 0, 8, 289, 57},
    {"BUTTON", "Больше", BS_PUSHBUTTON | WS_TABSTOP | WS_DISABLED, 0, 5, 9, 336, 80, 51, 25},
    {"TreeChild", "", 0, 0, -1, 101, 8, 580, 23, 22},
    {"TreeChild", "", 0, 0, -1, 102, 32, 580, 23, 22},
    {"TreeChild", "", 0, 0, -1, 103, 64, 580, 23, 22},
    {"TreeChild", "", 0, 0, -1, 104, 96, 580, 121, 25},
    {"BUTTON", "Сразу проигрывать звук", BS_AUTOCHECKBOX | WS_TABSTOP, 0, -1, 10, 8, 610, 161, 17},
};

struct THiddenWindow {
    const char* caption;
    int left, top, width, height;
};
const THiddenWindow kHidden[] = {
    {"Form2", 192, 107, 544, 375},
    {"Кто Сделал этот Сонпик", 5, 8, 548, 466},
    {"Инсталляция", 93, 109, 544, 159},
    {"About & Help", 179, 27, 508, 375},
};
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    HICON icon = LoadIcon(nullptr, IDI_APPLICATION);
    Register("TreeApplication", DefWindowProcA, icon);
    Register("TreeForm", FormProc, nullptr);
    Register("TreeHost", ChildProc, nullptr);
    Register("TreeChild", ChildProc, nullptr);
    HWND application = CreateWindowExA(0, "TreeApplication", "Startup_window_tree",
                                       WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPSIBLINGS,
                                       GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0,
                                       nullptr, nullptr, instance, nullptr);
    const DWORD formStyle = WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_CAPTION | WS_THICKFRAME | WS_SYSMENU;
    const DWORD formExStyle = WS_EX_CONTROLPARENT | WS_EX_WINDOWEDGE;
    HWND main = CreateWindowExA(formExStyle, "TreeForm", "Сонпик Просмотрщик  1.2", formStyle | WS_MINIMIZEBOX |
                                WS_MAXIMIZEBOX, 15, 45, 940, 660, application, nullptr, instance, nullptr);
    SendMessageA(main, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageA(main, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));

    HFONT font = CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, RUSSIAN_CHARSET, 0, 0, 0, 0, "MS Sans Serif");
    HIMAGELIST images = ImageList_Create(14, 12, ILC_COLOR4 | ILC_MASK, 1, 0);
    HWND made[sizeof kChildren / sizeof kChildren[0]] = {};
    for (size_t i = 0; i < sizeof kChildren / sizeof kChildren[0]; ++i) {
        const TChild& c = kChildren[i];
        made[i] = CreateWindowExA(c.exStyle, c.className, c.text, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | c.style,
                                  c.left, c.top, c.width, c.height, c.parent < 0 ? main : made[c.parent],
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), instance, nullptr);
        SendMessageA(made[i], WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        SetPropA(made[i], "font", font);
    }
    DragAcceptFiles(made[0], TRUE);
    for (const char* name : {"Альпы", "Берёза", "Море", "Осень", "Сосна", "Утро"})
        SendMessageA(made[3], LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    SendMessageA(made[14], BM_SETCHECK, BST_CHECKED, 0);

    for (const THiddenWindow& hidden : kHidden)
        CreateWindowExA(formExStyle, "TreeForm", hidden.caption, formStyle, hidden.left, hidden.top, hidden.width,
                        hidden.height, application, nullptr, instance, nullptr);
    HWND timer = CreateWindowExA(0, "TreeHost", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
    SetTimer(timer, 1, 500, nullptr);

    ShowWindow(application, SW_SHOWNOACTIVATE);  // the task-bar entry, as the viewer shows it
    ShowWindow(main, SW_SHOW);
    SetForegroundWindow(main);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (IsDialogMessageA(main, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    ImageList_Destroy(images);
    DeleteObject(font);
    return 0;
}
