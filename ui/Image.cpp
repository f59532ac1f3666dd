// TImage: paints its own bitmap unscaled over the button-face background.
#include "ui/Image.h"

TImage::TImage(TComponent* owner) : TCustomControl(owner) { SetBounds(0, 0, 105, 105); }

void TImage::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.ClassName = "TImage";
}

void TImage::SetCenter(bool value) {
    if (value == m_center) return;
    m_center = value;
    Invalidate();
}

void TImage::SetBitmap(TBitmapHandle bitmap) {
    m_bitmap = std::move(bitmap);
    const SIZE size = BitmapSize(m_bitmap.Get());
    m_pictureWidth = size.cx;
    m_pictureHeight = size.cy;
    Invalidate();
}

void TImage::AssignBitmapCopy(HBITMAP source) {
    SetBitmap(TBitmapHandle(source ? static_cast<HBITMAP>(CopyImage(source, IMAGE_BITMAP, 0, 0, 0)) : nullptr));
}

void TImage::Clear() {
    if (!m_bitmap) return;
    SetBitmap(TBitmapHandle());
}

POINT TImage::PictureOrigin() const {
    if (!m_center) return POINT{0, 0};
    return POINT{(Width() - m_pictureWidth) / 2, (Height() - m_pictureHeight) / 2};
}

void TImage::PaintTo(HDC dc) const {
    RECT client{0, 0, Width(), Height()};
    FillRect(dc, &client, BackgroundBrush());
    if (!m_bitmap) return;
    TMemDC source(dc);
    TSelectGuard select(source.Get(), m_bitmap.Get());
    const POINT origin = PictureOrigin();
    BitBlt(dc, origin.x, origin.y, m_pictureWidth, m_pictureHeight, source.Get(), 0, 0, SRCCOPY);
}

void TImage::Changed(TChange change) {
    TWinControl::Changed(change);
    if (change == TChange::Bounds && m_center) Invalidate();
}

