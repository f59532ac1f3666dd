// TSpeedButton: a glyph button that never takes the keyboard focus. It is pressed while the left
// mouse button is held over it and clicks on release; BM_CLICK clicks it too.
#pragma once
#include "sys/GdiObjects.h"
#include "ui/CustomControl.h"

class TSpeedButton : public TCustomControl {
public:
    explicit TSpeedButton(TComponent* owner);

    // Takes ownership of the glyph. Its bottom-left pixel's colour is drawn as transparent.
    void SetGlyph(TBitmapHandle glyph);
    HBITMAP Glyph() const { return m_glyph.Get(); }
    bool Pressed() const { return m_pressed; }
    void PaintTo(HDC dc) const override;

protected:
    void CreateParams(TCreateParams& params) override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void SetPressed(bool value);

    TBitmapHandle m_glyph;  // owned
    int m_glyphWidth = 0;
    int m_glyphHeight = 0;
    bool m_tracking = false;  // the left button went down here and the mouse is captured
    bool m_pressed = false;   // drawn sunk in
};
