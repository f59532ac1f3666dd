// TCustomButtonEdit: styles, the host and button layout, keys, AutoSelect and the button's click.
#include "controls/CustomButtonEdit.h"

namespace {
bool KeyIsDown(int key) { return (GetKeyState(key) & 0x8000) != 0; }
}  // namespace

TCustomButtonEdit::TCustomButtonEdit(TComponent* owner) : TEdit(owner) {
    m_host = Create<TButtonHost>();
    m_host->SetParent(this);
    m_button = Create<TEditButton>();
    m_button->SetParent(m_host);
    m_button->OnClick = [this](TObject*) { ButtonClick(); };
    m_button->OnMouseDown = [this](TObject*) { ButtonMouseDown(); };
    UpdateLayout();
}

TFieldBorder TCustomButtonEdit::Border() const {
    if (!m_border) return fbNone;
    return m_ctl3D ? fbThreeD : fbSingleFlat;
}

void TCustomButtonEdit::CreateParams(TCreateParams& params) {
    TEdit::CreateParams(params);
    // Multi-line only for the formatting rectangle; ES_AUTOHSCROLL keeps the text on one line.
    params.Style |= ES_MULTILINE | ES_AUTOHSCROLL | WS_CLIPCHILDREN;
    if (m_oemConvert) params.Style |= ES_OEMCONVERT;
    params.ExStyle &= ~WS_EX_CLIENTEDGE;
    if (m_border && m_ctl3D) params.ExStyle |= WS_EX_CLIENTEDGE;
    if (m_border && !m_ctl3D) params.Style |= WS_BORDER;
}

void TCustomButtonEdit::InitializeHandle() {
    TEdit::InitializeHandle();
    ApplyReadOnly();
    AdjustHeight();
    UpdateLayout();
}

void TCustomButtonEdit::Changed(TChange change) {
    TEdit::Changed(change);
    if (change == TChange::Font) AdjustHeight();
    if (change == TChange::Bounds || change == TChange::Font) UpdateLayout();
}

void TCustomButtonEdit::SetButtonWidth(int value) {
    if (value < 0) value = 0;
    if (value == m_buttonWidth) return;
    m_buttonWidth = value;
    UpdateLayout();
}

void TCustomButtonEdit::SetButtonHint(const std::string& value) {
    m_button->SetHint(value);
    m_button->SetShowHint(!value.empty());
}

void TCustomButtonEdit::SetOEMConvert(bool value) {
    if (value == m_oemConvert) return;
    m_oemConvert = value;
    ApplyStyles();
}

void TCustomButtonEdit::SetReadOnly(bool value) {
    if (value == m_readOnly) return;
    m_readOnly = value;
    ApplyReadOnly();
}

void TCustomButtonEdit::SetDirectInput(bool value) {
    if (value == m_directInput) return;
    m_directInput = value;
    ApplyReadOnly();
}

void TCustomButtonEdit::SetCtl3D(bool value) {
    if (value == m_ctl3D) return;
    m_ctl3D = value;
    ApplyStyles();
}

void TCustomButtonEdit::SetHasBorder(bool value) {
    if (value == m_border) return;
    m_border = value;
    ApplyStyles();
}

void TCustomButtonEdit::ApplyReadOnly() {
    if (HandleAllocated()) SendMessageA(Handle(), EM_SETREADONLY, (m_readOnly || !m_directInput) ? TRUE : FALSE, 0);
}

// The border and OEM styles of a live window follow the properties; the text area and the
// host's place follow the new border.
void TCustomButtonEdit::ApplyStyles() {
    if (HandleAllocated()) {
        TCreateParams params;
        CreateParams(params);
        const LONG keep = GetWindowLongA(Handle(), GWL_STYLE) & (WS_VISIBLE | WS_DISABLED);
        SetWindowLongA(Handle(), GWL_STYLE, static_cast<LONG>(params.Style) | keep);
        SetWindowLongA(Handle(), GWL_EXSTYLE, static_cast<LONG>(params.ExStyle));
        SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    AdjustHeight();
    UpdateLayout();
}

// The field is never lower than its font's text height plus its border and margins.
void TCustomButtonEdit::AdjustHeight() {
    HDC screen = GetDC(nullptr);
    TEXTMETRICA metrics{};
    {
        TSelectGuard font(screen, Font().Handle());
        GetTextMetricsA(screen, &metrics);
    }
    ReleaseDC(nullptr, screen);
    const int margins = GetSystemMetrics(SM_CYBORDER) * (m_ctl3D ? 8 : 6);
    const int least = metrics.tmHeight + margins;
    if (Height() < least) SetHeight(least);
}

void TCustomButtonEdit::UpdateLayout() {
    const TButtonFieldLayout layout = ButtonFieldLayout(Border(), Width(), Height(), m_buttonWidth);
    m_host->SetBounds(layout.host.left, layout.host.top, layout.host.right - layout.host.left,
                      layout.host.bottom - layout.host.top);
    m_host->SetVisible(m_buttonWidth > 0);
    m_button->SetBounds(0, 0, m_host->Width(), m_host->Height());
    if (HandleAllocated()) SendMessageA(Handle(), EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&layout.text));
}

bool TCustomButtonEdit::CanFocus() const {
    if (!HandleAllocated() || !IsWindowVisible(Handle())) return false;
    for (HWND window = Handle(); window; window = GetParent(window))
        if (!IsWindowEnabled(window)) return false;
    return true;
}

// A left press on the button first gives the field the focus (selecting all by AutoSelect).
void TCustomButtonEdit::ButtonMouseDown() {
    if (CanFocus() && !Focused()) SetFocus();
}

void TCustomButtonEdit::ButtonClick() {
    if (OnButtonClick) OnButtonClick(this);
}

void TCustomButtonEdit::OfferDialogKey(WPARAM key) {
    HWND root = GetAncestor(Handle(), GA_ROOT);
    if (!root || root == Handle()) return;
    WORD id = IDCANCEL;
    if (key == VK_RETURN) {
        const LRESULT defaultId = SendMessageA(root, DM_GETDEFID, 0, 0);
        id = HIWORD(defaultId) == DC_HASDEFID ? LOWORD(defaultId) : IDOK;
    }
    SendMessageA(root, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(root, id)));
}

// True when the key was handled here and must not reach the edit.
bool TCustomButtonEdit::HandleKeyDown(UINT message, WPARAM key, LPARAM lParam) {
    const bool ctrl = KeyIsDown(VK_CONTROL);
    TShortCut shortCut = static_cast<TShortCut>(key & 0xFF);
    if (KeyIsDown(VK_SHIFT)) shortCut |= scShift;
    if (ctrl) shortCut |= scCtrl;
    if ((lParam & (1 << 29)) || KeyIsDown(VK_MENU)) shortCut |= scAlt;
    if (m_clickKey != 0 && shortCut == m_clickKey) {
        if (m_buttonWidth > 0) ButtonClick();
        return true;
    }
    if (ctrl && (key == VK_TAB || key == VK_RETURN)) {
        HWND root = GetAncestor(Handle(), GA_ROOT);
        if (root && root != Handle()) SendMessageA(root, message, key, lParam);
        return true;
    }
    if (key == VK_RETURN || key == VK_ESCAPE) {
        OfferDialogKey(key);
        return true;  // a multi-line edit would add a line break, or close a dialog on Esc
    }
    return false;
}

LRESULT TCustomButtonEdit::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_GETDLGCODE:
            // As a one-line field: Tab, Enter and Esc stay with the window's dialog keys. The
            // message is not passed on, so the edit never switches to its dialog behaviour.
            return DefaultHandler(message, wParam, 0) & ~(DLGC_WANTALLKEYS | DLGC_WANTTAB | DLGC_WANTMESSAGE);
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (HandleKeyDown(message, wParam, lParam)) return 0;
            break;
        case WM_CHAR:
            if (wParam == '\t' || wParam == '\n' || wParam == '\r' || wParam == VK_ESCAPE) return 0;
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: {
            m_mousePress = true;
            const LRESULT result = TEdit::WndProc(message, wParam, lParam);
            m_mousePress = false;
            return result;
        }
        case WM_SETFOCUS: {
            // Only a move of the focus inside the window selects: not a mouse press on the field,
            // and not the window getting the activation back (after a dialog, for one).
            const LRESULT result = TEdit::WndProc(message, wParam, lParam);
            HWND previous = reinterpret_cast<HWND>(wParam);
            const bool fromSameWindow = previous && GetAncestor(previous, GA_ROOT) == GetAncestor(Handle(), GA_ROOT);
            if (m_autoSelect && !m_mousePress && fromSameWindow) SendMessageA(Handle(), EM_SETSEL, 0, -1);
            return result;
        }
        case WM_SETFONT:
        case WM_SIZE: {
            // The edit resets its formatting rectangle on both.
            const LRESULT result = TEdit::WndProc(message, wParam, lParam);
            UpdateLayout();
            return result;
        }
        default:
            break;
    }
    return TEdit::WndProc(message, wParam, lParam);
}
