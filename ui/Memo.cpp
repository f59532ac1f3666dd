// TMemo: the multi-line EDIT, its styles made from the object's properties.
#include "ui/Memo.h"

TMemo::TMemo(TComponent* owner) : TEdit(owner) { SetBounds(0, 0, 185, 89); }

void TMemo::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.OwnClass = false;
    params.ClassName = "EDIT";
    params.Style |= WS_TABSTOP | ES_MULTILINE | ES_LEFT | ES_AUTOVSCROLL | ES_WANTRETURN;
    if (m_readOnly) params.Style |= ES_READONLY;
    // Without wrapping a line runs on to the right; with it the box never scrolls sideways.
    if (!m_wordWrap) params.Style |= ES_AUTOHSCROLL;
    if (m_scrollBars == ssVertical || m_scrollBars == ssBoth) params.Style |= WS_VSCROLL;
    if (!m_wordWrap && (m_scrollBars == ssHorizontal || m_scrollBars == ssBoth)) params.Style |= WS_HSCROLL;
    params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TMemo::SetReadOnly(bool value) {
    if (value == m_readOnly) return;
    m_readOnly = value;
    if (HandleAllocated()) SendMessageA(Handle(), EM_SETREADONLY, value, 0);
}

void TMemo::SetScrollBars(TScrollStyle value) {
    if (value == m_scrollBars) return;
    m_scrollBars = value;
    RecreateWindow();
}

void TMemo::SetWordWrap(bool value) {
    if (value == m_wordWrap) return;
    m_wordWrap = value;
    RecreateWindow();
}

void TMemo::RecreateWindow() {
    if (!HandleAllocated()) return;
    DestroyHandle();
    HandleNeeded();
}
