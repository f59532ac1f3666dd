// TForm: top-level window, border styles, focus on activation and the close request.
#include "ui/Form.h"

#include <vector>

#include "ui/Application.h"
#include "ui/ExceptionBoundary.h"

TForm::TForm(TComponent* owner, const std::string& className, const TFormFrame& frame)
    : TWinControl(owner),
      m_className(className),
      m_borderStyle(frame.BorderStyle),
      m_borderIcons(frame.BorderIcons) {
    SetVisible(false);
    SetColor(clBtnFace);
    SetCaption(frame.Caption);
    SetBounds(frame.Left, frame.Top, frame.Width, frame.Height);
    CreateHandle();
}

TForm::~TForm() {
    BeginDestroy();
    // The controls go first, while the form's window and the handlers' owner still exist.
    DestroyComponents();
}

void TForm::CreateParams(TCreateParams& params) {
    params.ClassName = m_className;
    params.Style = WindowStyle();
    params.ExStyle = WindowExStyle();
    params.ParentWindow = Application ? Application->Handle() : nullptr;
}

DWORD TForm::WindowStyle() const {
    DWORD style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_CAPTION;
    switch (m_borderStyle) {
        case bsSizeable: style |= WS_THICKFRAME; break;
        case bsSingle: style |= WS_BORDER; break;
        case bsDialog: style |= WS_DLGFRAME | DS_MODALFRAME; break;
    }
    if (m_borderIcons & biSystemMenu) {
        style |= WS_SYSMENU;
        if (m_borderStyle != bsDialog) {
            if (m_borderIcons & biMinimize) style |= WS_MINIMIZEBOX;
            if (m_borderIcons & biMaximize) style |= WS_MAXIMIZEBOX;
        }
    }
    return style;
}

DWORD TForm::WindowExStyle() const {
    DWORD exStyle = WS_EX_CONTROLPARENT | WS_EX_WINDOWEDGE;
    if (m_borderStyle == bsDialog) exStyle |= WS_EX_DLGMODALFRAME;
    return exStyle;
}

void TForm::ApplyBorder() {
    if (!HandleAllocated()) return;
    const DWORD keep = GetWindowLongA(Handle(), GWL_STYLE) & (WS_VISIBLE | WS_DISABLED | WS_MINIMIZE | WS_MAXIMIZE);
    SetWindowLongA(Handle(), GWL_STYLE, static_cast<LONG>(WindowStyle() | keep));
    SetWindowLongA(Handle(), GWL_EXSTYLE, static_cast<LONG>(WindowExStyle()));
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TForm::SetBorderStyle(TFormBorderStyle value) {
    if (value == m_borderStyle) return;
    m_borderStyle = value;
    ApplyBorder();
}

void TForm::SetBorderIcons(unsigned value) {
    if (value == m_borderIcons) return;
    m_borderIcons = value;
    ApplyBorder();
}

namespace {
// Disables the other enabled windows of this thread while a modal form runs, and enables them
// again on every way out.
class TThreadWindowsDisabled {
public:
    explicit TThreadWindowsDisabled(HWND modal) : m_modal(modal) {
        EnumThreadWindows(GetCurrentThreadId(), &Disable, reinterpret_cast<LPARAM>(this));
    }
    ~TThreadWindowsDisabled() {
        for (HWND window : m_disabled)
            if (IsWindow(window)) EnableWindow(window, TRUE);
    }
    TThreadWindowsDisabled(const TThreadWindowsDisabled&) = delete;
    TThreadWindowsDisabled& operator=(const TThreadWindowsDisabled&) = delete;

private:
    static BOOL CALLBACK Disable(HWND window, LPARAM self) {
        auto* guard = reinterpret_cast<TThreadWindowsDisabled*>(self);
        if (window != guard->m_modal && IsWindowVisible(window) && IsWindowEnabled(window)) {
            EnableWindow(window, FALSE);
            guard->m_disabled.push_back(window);
        }
        return TRUE;
    }
    HWND m_modal;
    std::vector<HWND> m_disabled;  // not owned
};
}  // namespace

void TForm::Show() {
    SetVisible(true);
    BringToFront();
}

TModalResult TForm::ShowModal(HWND focus) {
    HWND previous = GetActiveWindow();
    m_modalResult = mrNone;
    m_modal = true;
    {
        TThreadWindowsDisabled others(Handle());
        Show();
        if (focus) ::SetFocus(focus);
        while (m_modalResult == mrNone) {
            MSG message;
            const BOOL result = GetMessageA(&message, nullptr, 0, 0);
            if (result == 0) {
                // The program is ending: the quit message is left for the main loop.
                PostQuitMessage(static_cast<int>(message.wParam));
                m_modalResult = mrCancel;
                break;
            }
            if (result == -1) {
                m_modalResult = mrCancel;
                break;
            }
            if (!IsDialogMessageA(Handle(), &message)) {
                TranslateMessage(&message);
                DispatchMessageA(&message);
            }
        }
    }
    m_modal = false;
    // The owner is enabled again before the form goes, so that it gets the activation back.
    Hide();
    if (previous && IsWindow(previous) && previous != Handle()) SetActiveWindow(previous);
    return m_modalResult;
}

void TForm::EndModal(TModalResult result) {
    m_modalResult = result;
    // Wakes the modal loop when the request came as a message sent from another thread.
    PostMessageA(Handle(), WM_NULL, 0, 0);
}

void TForm::BringToFront() {
    if (!HandleAllocated()) return;
    SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(Handle());
    SetActiveWindow(Handle());
}

void TForm::Close() {
    if (HandleAllocated()) SendMessageA(Handle(), WM_CLOSE, 0, 0);
    else WMClose();
}

void TForm::UseProgramIcon() {
    if (!HandleAllocated()) return;
    // The icon is a shared resource of the program file: not owned, never destroyed.
    HICON icon = LoadIconA(GetModuleHandleA(nullptr), "MAINICON");
    if (!icon) return;
    SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

void TForm::DoCreate() {
    if (OnCreate) GuardedRun([this] { OnCreate(this); });
}

void TForm::WMClose() {
    if (m_modal) EndModal(mrCancel);
    else if (Application && Application->MainForm() == this) Application->Terminate();
    else Hide();
}

LRESULT TForm::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CLOSE:
            WMClose();
            return 0;
        case WM_SYSCOMMAND:
            // The main form minimises the whole program into its task-bar entry.
            if ((wParam & 0xFFF0) == SC_MINIMIZE && Application && Application->MainForm() == this) {
                Application->Minimize();
                return 0;
            }
            break;
        case WM_ERASEBKGND: {
            RECT client;
            GetClientRect(Handle(), &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, BackgroundBrush());
            return 1;
        }
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = GetFocus();
                if (focus && IsChild(Handle(), focus)) m_lastFocus = focus;
            } else if (!HIWORD(wParam)) {
                // Back to the control that had the focus, or the first one in tab order.
                HWND target = (m_lastFocus && IsWindow(m_lastFocus) && IsChild(Handle(), m_lastFocus))
                                  ? m_lastFocus
                                  : GetNextDlgTabItem(Handle(), nullptr, FALSE);
                if (target) {
                    ::SetFocus(target);
                    return 0;
                }
            }
            break;
        default:
            break;
    }
    return TWinControl::WndProc(message, wParam, lParam);
}
