// TImage: a picture box that holds a bitmap of its own and draws it at the bitmap's own size,
// centred or at the top left, never scaled.
#pragma once
#include "sys/GdiObjects.h"
#include "ui/CustomControl.h"

class TImage : public TCustomControl {
public:
    explicit TImage(TComponent* owner);

    bool Center() const { return m_center; }
    void SetCenter(bool value);

    // Takes ownership of the bitmap and repaints.
    void SetBitmap(TBitmapHandle bitmap);
    // Takes a copy of the bitmap (the caller keeps its own) and repaints.
    void AssignBitmapCopy(HBITMAP source);
    // Drops the picture and repaints.
    void Clear();
    bool Empty() const { return !m_bitmap; }
    HBITMAP Bitmap() const { return m_bitmap.Get(); }
    int PictureWidth() const { return m_pictureWidth; }
    int PictureHeight() const { return m_pictureHeight; }
    // Where the picture's top-left corner lies in the control.
    POINT PictureOrigin() const;
    void PaintTo(HDC dc) const override;

protected:
    void CreateParams(TCreateParams& params) override;
    void Changed(TChange change) override;

private:
    bool m_center = false;
    TBitmapHandle m_bitmap;  // owned: this control's own copy of the picture
    int m_pictureWidth = 0;
    int m_pictureHeight = 0;
};
