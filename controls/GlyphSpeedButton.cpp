// TGlyphSpeedButton: face, 3-D frame and the centred image-list glyph.
#include "controls/GlyphSpeedButton.h"

TGlyphSpeedButton::TGlyphSpeedButton(TComponent* owner) : TSpeedButton(owner) {}

void TGlyphSpeedButton::SetImage(HIMAGELIST images, int index) {
    if (images == m_images && index == m_imageIndex) return;
    m_images = images;
    m_imageIndex = index;
    Invalidate();
}

void TGlyphSpeedButton::SetFlat(bool value) {
    if (value == m_flat) return;
    m_flat = value;
    Invalidate();
}

void TGlyphSpeedButton::PaintTo(HDC dc) const {
    RECT face{0, 0, Width(), Height()};
    FillRect(dc, &face, GetSysColorBrush(COLOR_BTNFACE));
    if (!m_flat) DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (Pressed() ? DFCS_PUSHED : 0));
    else if (Pressed()) DrawEdge(dc, &face, BDR_SUNKENOUTER, BF_RECT);
    if (!m_images || m_imageIndex < 0) return;
    int width = 0, height = 0;
    ImageList_GetIconSize(m_images, &width, &height);
    const int shift = Pressed() ? 1 : 0;
    const int x = (Width() - width) / 2 + shift;
    const int y = (Height() - height) / 2 + shift;
    // A disabled button shows its glyph blended into the face.
    const UINT style = Enabled() ? ILD_TRANSPARENT : (ILD_TRANSPARENT | ILD_BLEND50);
    ImageList_Draw(m_images, m_imageIndex, dc, x, y, style);
}
