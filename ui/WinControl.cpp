// TWinControl: window creation, the bound window procedures with their exception boundary,
// reflection of child notifications, tool tips and tab order.
#include "ui/WinControl.h"

#include <commctrl.h>

#include <algorithm>
#include <stdexcept>

#include "sys/WindowClass.h"
#include "ui/ExceptionBoundary.h"

namespace {
// The window property that marks a standard control hooked by this layer (see FromHandle).
const char kObjectProperty[] = "TWinControl";

// The one tool of a control's tool tip: the whole control, with the control's hint as its text.
TTTOOLINFOA ToolInfoFor(HWND control, const std::string& text) {
    TTTOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    // The mouse messages reach the tool tip through RelayToToolTip, not by a second subclass.
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = control;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<char*>(text.c_str());
    return tool;
}

}  // namespace

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
    BeginDestroy();
    // Children still in the tree lose their parent; their windows go with ours.
    for (TControl* child : m_controls) child->m_parent = nullptr;
    m_controls.clear();
    DestroyHandle();
}

TWinControl* TWinControl::FromHandle(HWND window) {
    if (!window) return nullptr;
    if (reinterpret_cast<WNDPROC>(GetClassLongPtrA(window, GCLP_WNDPROC)) == &TWinControl::StaticWndProc ||
        reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC)) == &TWinControl::SubclassProc)
        return reinterpret_cast<TWinControl*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    // A standard control of ours that something else has hooked since.
    return static_cast<TWinControl*>(GetPropA(window, kObjectProperty));
}

void TWinControl::CreateParams(TCreateParams& params) {
    if (Parent()) params.ParentWindow = Parent()->Handle();
}

void TWinControl::HandleNeeded() {
    if (m_handle) return;
    if (Parent() && (!Parent()->HandleAllocated() || Parent()->m_childHandlesDeferred)) return;
    CreateHandle();
}

void TWinControl::CreateHandle() {
    TCreateParams params;
    CreateParams(params);
    if (params.OwnClass) {
        TWindowClass windowClass;
        windowClass.Name = params.ClassName.c_str();
        windowClass.Procedure = &StaticWndProc;
        windowClass.Style = params.ClassStyle;
        windowClass.Cursor = ArrowCursor();  // no background brush: every window erases its own
        EnsureWindowClass(windowClass);
    } else if (!params.BaseClass.empty()) {
        EnsureWindowClassCopy(params.ClassName.c_str(), params.BaseClass.c_str());
    }
    DWORD style = params.Style;
    if (Visible()) style |= WS_VISIBLE;
    if (!Enabled()) style |= WS_DISABLED;
    const bool child = (style & WS_CHILD) != 0;
    HMENU menuOrId = child ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId())) : nullptr;
    HWND window = CreateWindowExA(params.ExStyle, params.ClassName.c_str(), Caption().c_str(), style, Left(), Top(),
                                  Width(), Height(), params.ParentWindow, menuOrId, GetModuleHandleA(nullptr),
                                  params.OwnClass ? this : nullptr);
    if (!window) throw std::runtime_error("Error creating window " + params.ClassName);
    if (!params.OwnClass) {
        // The object goes into the window's user data and the window procedure is replaced: every
        // message then reaches the object with no look-up on the way, which matters under Wine,
        // where reading a window property is a round trip to its server.
        m_handle.Reset(window);
        SetPropA(window, kObjectProperty, this);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        m_standardProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TWinControl::SubclassProc)));
    }
    SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), FALSE);
    InitializeHandle();
    if (Parent()) Parent()->PlaceChild(this);
    // Children made before this window get theirs now.
    if (!m_childHandlesDeferred) CreateChildHandles();
}

void TWinControl::CreateChildHandles() {
    m_childHandlesDeferred = false;
    for (TControl* control : m_controls)
        if (auto* winControl = dynamic_cast<TWinControl*>(control)) winControl->HandleNeeded();
    RestackChildren();
}

void TWinControl::DestroyHandle() {
    m_toolTip.Reset();
    m_handle.Reset();  // WM_NCDESTROY gives up the handle meanwhile
}

void TWinControl::InsertControl(TControl* control) { m_controls.push_back(control); }

void TWinControl::RemoveControl(TControl* control) {
    m_controls.erase(std::remove(m_controls.begin(), m_controls.end(), control), m_controls.end());
}

void TWinControl::Changed(TChange change) {
    switch (change) {
        case TChange::Parent:
            if (m_handle && Parent() && Parent()->HandleAllocated()) ::SetParent(Handle(), Parent()->Handle());
            else HandleNeeded();
            break;
        case TChange::Bounds:
            if (m_handle) SetWindowPos(Handle(), nullptr, Left(), Top(), Width(), Height(), SWP_NOZORDER | SWP_NOACTIVATE);
            break;
        case TChange::Visible:
            if (m_handle && Visible() && m_childHandlesDeferred) CreateChildHandles();
            if (m_handle) ShowWindow(Handle(), Visible() ? SW_SHOWNA : SW_HIDE);
            break;
        case TChange::Enabled:
            if (m_handle) EnableWindow(Handle(), Enabled());
            break;
        case TChange::Caption:
            if (m_handle) SetWindowTextA(Handle(), Caption().c_str());
            break;
        case TChange::Font:
            if (m_handle) {
                SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), FALSE);
                Invalidate();
            }
            for (TControl* control : m_controls) control->ParentFontChanged(Font());
            break;
        case TChange::Color:
            Invalidate();
            break;
        case TChange::Hint:
            ApplyToolTip();
            break;
        case TChange::TabOrder:
            if (Parent()) Parent()->RestackChildren();
            break;
        case TChange::ControlId:
            if (m_handle) SetWindowLongPtrA(Handle(), GWLP_ID, ControlId());
            break;
    }
}

// One tool tip window per control that shows hints; its text follows Hint. The window is made
// when the mouse first reaches the control: it shows nothing before, and a top-level window costs
// the start-up a trip to the window system.
void TWinControl::ApplyToolTip() {
    if (!ShowHint()) {
        m_toolTip.Reset();
        return;
    }
    if (!m_toolTip) return;
    TTTOOLINFOA tool = ToolInfoFor(Handle(), Hint());
    SendMessageA(m_toolTip.Get(), TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
}

void TWinControl::CreateToolTip() {
    m_toolTip.Reset(CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Handle(), nullptr,
                                    GetModuleHandleA(nullptr), nullptr));
    if (!m_toolTip) return;
    TTTOOLINFOA tool = ToolInfoFor(Handle(), Hint());
    SendMessageA(m_toolTip.Get(), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void TWinControl::RelayToToolTip(UINT message, WPARAM wParam, LPARAM lParam) {
    MSG relayed{Handle(), message, wParam, lParam, GetMessageTime(), {}};
    const DWORD position = GetMessagePos();
    relayed.pt = {static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
    SendMessageA(m_toolTip.Get(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

// Keyboard navigation follows the window order: controls with a tab order come first, by it.
std::vector<TWinControl*> TWinControl::ChildrenInTabOrder() const {
    std::vector<TWinControl*> ordered;
    for (TControl* control : m_controls) {
        auto* winControl = dynamic_cast<TWinControl*>(control);
        if (winControl && winControl->HandleAllocated() && winControl->TabOrder() >= 0) ordered.push_back(winControl);
    }
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](TWinControl* a, TWinControl* b) { return a->TabOrder() < b->TabOrder(); });
    return ordered;
}

void TWinControl::RestackChildren() {
    if (!m_handle) return;
    HWND after = HWND_TOP;
    for (TWinControl* control : ChildrenInTabOrder()) {
        SetWindowPos(control->Handle(), after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        after = control->Handle();
    }
}

// The others already stand in tab order, so a new child's window needs one move: behind the
// sibling that comes before it. Each move is a trip to the window server.
void TWinControl::PlaceChild(TWinControl* child) {
    if (!m_handle || child->TabOrder() < 0) return;
    HWND after = HWND_TOP;
    for (TWinControl* control : ChildrenInTabOrder()) {
        if (control == child) break;
        after = control->Handle();
    }
    SetWindowPos(child->Handle(), after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TWinControl::Invalidate() {
    if (m_handle) InvalidateRect(Handle(), nullptr, TRUE);
}

void TWinControl::Repaint() {
    if (!m_handle) return;
    InvalidateRect(Handle(), nullptr, TRUE);
    UpdateWindow(Handle());
}

void TWinControl::SetFocus() {
    if (m_handle) ::SetFocus(Handle());
}

bool TWinControl::Focused() const { return m_handle && GetFocus() == Handle(); }

LRESULT TWinControl::DefaultHandler(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_standardProc) return CallWindowProcA(m_standardProc, Handle(), message, wParam, lParam);
    return DefWindowProcA(Handle(), message, wParam, lParam);
}

bool TWinControl::Reflected(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    switch (message) {
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX: {
            HDC dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, ColorToRGB(Font().Color()));
            SetBkColor(dc, ColorToRGB(Color()));
            result = reinterpret_cast<LRESULT>(BackgroundBrush());
            return true;
        }
        default:
            return false;
    }
}

bool TWinControl::ReflectToChild(HWND child, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    TWinControl* control = FromHandle(child);
    if (!control || control == this) return false;
    return control->Reflected(message, wParam, lParam, result);
}

LRESULT TWinControl::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    switch (message) {
        case WM_SHOWWINDOW:
            // Shown from outside the object (ShowWindow on its handle): the controls come first.
            if (wParam && m_childHandlesDeferred) CreateChildHandles();
            break;
        case WM_COMMAND:
            if (lParam && ReflectToChild(reinterpret_cast<HWND>(lParam), message, wParam, lParam, result)) return result;
            break;
        case WM_NOTIFY: {
            auto* header = reinterpret_cast<NMHDR*>(lParam);
            if (header && ReflectToChild(header->hwndFrom, message, wParam, lParam, result)) return result;
            break;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORMSGBOX:
        case WM_CTLCOLORDLG:
            if (ReflectToChild(reinterpret_cast<HWND>(lParam), message, wParam, lParam, result)) return result;
            break;
        case WM_DRAWITEM: {
            auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
            if (wParam && item && ReflectToChild(item->hwndItem, message, wParam, lParam, result)) return result;
            break;
        }
        case WM_WINDOWPOSCHANGED: {
            // The user or the system moved or sized the window: the object follows.
            const auto* pos = reinterpret_cast<const WINDOWPOS*>(lParam);
            int left = Left(), top = Top(), width = Width(), height = Height();
            if (!(pos->flags & SWP_NOMOVE)) { left = pos->x; top = pos->y; }
            if (!(pos->flags & SWP_NOSIZE)) { width = pos->cx; height = pos->cy; }
            StoreBounds(left, top, width, height);
            break;
        }
        default:
            break;
    }
    return DefaultHandler(message, wParam, lParam);
}

LRESULT TWinControl::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCDESTROY) {
        const LRESULT result = DefaultHandler(message, wParam, lParam);
        if (m_standardProc) {
            SetWindowLongPtrA(Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_standardProc));
            RemovePropA(Handle(), kObjectProperty);
        }
        SetWindowLongPtrA(Handle(), GWLP_USERDATA, 0);
        m_handle.Release();  // the window is gone: nothing left to destroy
        m_standardProc = nullptr;
        m_toolTip.Reset();
        return result;
    }
    if (ShowHint() && message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) {
        if (!m_toolTip) CreateToolTip();
        if (m_toolTip) RelayToToolTip(message, wParam, lParam);
    }
    return WndProc(message, wParam, lParam);
}

LRESULT CALLBACK TWinControl::StaticWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<TWinControl*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        self = static_cast<TWinControl*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        if (self) {
            self->m_handle.Reset(window);
            SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
    }
    if (!self) return DefWindowProcA(window, message, wParam, lParam);
    return Guarded([&] { return self->Dispatch(message, wParam, lParam); }, LRESULT(0));
}

LRESULT CALLBACK TWinControl::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<TWinControl*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self || self->Handle() != window) return DefWindowProcA(window, message, wParam, lParam);
    return Guarded([&] { return self->Dispatch(message, wParam, lParam); }, LRESULT(0));
}
