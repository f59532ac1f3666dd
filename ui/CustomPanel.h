// TCustomPanel: a rectangular control that can hold other controls, with an outer bevel, a plain
// border BorderWidth pixels wide, an inner bevel, a background colour and a font.
#pragma once
#include "ui/CustomControl.h"

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

class TCustomPanel : public TCustomControl {
public:
    explicit TCustomPanel(TComponent* owner);

    TBevelCut BevelOuter() const { return m_bevelOuter; }
    void SetBevelOuter(TBevelCut value);
    TBevelCut BevelInner() const { return m_bevelInner; }
    void SetBevelInner(TBevelCut value);
    int BevelWidth() const { return m_bevelWidth; }
    void SetBevelWidth(int value);
    int BorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(int value);
    // Pixels that the bevels and the border take from each side of the client area.
    int FrameWidth() const;

    // The client rectangle (0, 0, Width, Height) from the window, or from the bounds without one.
    RECT ClientRect() const;

protected:
    void CreateParams(TCreateParams& params) override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Draws both bevels and the border into dc and shrinks rect to what lies inside them.
    void PaintFrame(HDC dc, RECT& rect) const;
    // Lays out the children again; runs after a frame change and after every resize.
    virtual void AlignControls() {}
    // Runs after the window's size has changed (and the children have been aligned).
    virtual void Resize() {}

private:
    void FrameChanged();

    TBevelCut m_bevelOuter = bvRaised;
    TBevelCut m_bevelInner = bvNone;
    int m_bevelWidth = 1;
    int m_borderWidth = 0;
};

// Draws a 3-D frame width pixels wide: top and left edges in topLeft, bottom and right in
// bottomRight; rect shrinks by width.
void DrawFrame3D(HDC dc, RECT& rect, COLORREF topLeft, COLORREF bottomRight, int width);
