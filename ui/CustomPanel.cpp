// TCustomPanel: bevel and border properties, the frame painting, and the resize notices.
#include "ui/CustomPanel.h"

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner) { SetBounds(0, 0, 185, 41); }

void TCustomPanel::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.ClassName = "TPanel";
    params.Style |= WS_CLIPCHILDREN;
    params.ExStyle |= WS_EX_CONTROLPARENT;
}

void TCustomPanel::SetBevelOuter(TBevelCut value) {
    if (value == m_bevelOuter) return;
    m_bevelOuter = value;
    FrameChanged();
}

void TCustomPanel::SetBevelInner(TBevelCut value) {
    if (value == m_bevelInner) return;
    m_bevelInner = value;
    FrameChanged();
}

void TCustomPanel::SetBevelWidth(int value) {
    if (value == m_bevelWidth || value < 1) return;
    m_bevelWidth = value;
    FrameChanged();
}

void TCustomPanel::SetBorderWidth(int value) {
    if (value == m_borderWidth || value < 0) return;
    m_borderWidth = value;
    FrameChanged();
}

void TCustomPanel::FrameChanged() {
    AlignControls();
    Invalidate();
}

int TCustomPanel::FrameWidth() const {
    return m_borderWidth + (m_bevelOuter != bvNone ? m_bevelWidth : 0) + (m_bevelInner != bvNone ? m_bevelWidth : 0);
}

RECT TCustomPanel::ClientRect() const {
    RECT client{0, 0, Width(), Height()};
    if (HandleAllocated()) GetClientRect(Handle(), &client);
    return client;
}

void DrawFrame3D(HDC dc, RECT& rect, COLORREF topLeft, COLORREF bottomRight, int width) {
    TBrushHandle light(CreateSolidBrush(topLeft));
    TBrushHandle dark(CreateSolidBrush(bottomRight));
    for (int i = 0; i < width; ++i) {
        if (rect.right - rect.left < 1 || rect.bottom - rect.top < 1) return;
        const RECT top{rect.left, rect.top, rect.right - 1, rect.top + 1};
        const RECT left{rect.left, rect.top, rect.left + 1, rect.bottom - 1};
        const RECT bottom{rect.left, rect.bottom - 1, rect.right, rect.bottom};
        const RECT right{rect.right - 1, rect.top, rect.right, rect.bottom};
        FillRect(dc, &top, light.Get());
        FillRect(dc, &left, light.Get());
        FillRect(dc, &bottom, dark.Get());
        FillRect(dc, &right, dark.Get());
        InflateRect(&rect, -1, -1);
    }
}

namespace {
void DrawBevel(HDC dc, RECT& rect, TBevelCut cut, int width) {
    if (cut == bvNone) return;
    const COLORREF shadow = ColorToRGB(clBtnShadow), highlight = ColorToRGB(clBtnHighlight);
    if (cut == bvLowered) DrawFrame3D(dc, rect, shadow, highlight, width);
    else DrawFrame3D(dc, rect, highlight, shadow, width);
}
}  // namespace

void TCustomPanel::PaintFrame(HDC dc, RECT& rect) const {
    DrawBevel(dc, rect, m_bevelOuter, m_bevelWidth);
    if (m_borderWidth > 0) DrawFrame3D(dc, rect, ColorToRGB(Color()), ColorToRGB(Color()), m_borderWidth);
    DrawBevel(dc, rect, m_bevelInner, m_bevelWidth);
}

LRESULT TCustomPanel::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SIZE) {
        AlignControls();
        Resize();
    }
    return TCustomControl::WndProc(message, wParam, lParam);
}
