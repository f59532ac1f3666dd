// TEditButton: the button inside a button field. It reports a left press before it tracks the
// mouse (so the field can take the focus first), repaints its two left columns so that it joins
// the field's edge, and swallows its context menu request.
#pragma once
#include "controls/GlyphSpeedButton.h"

class TEditButton : public TGlyphSpeedButton {
public:
    explicit TEditButton(TComponent* owner);
    void PaintTo(HDC dc) const override;

    // Raised when the left mouse button goes down on the button, before anything else.
    TNotifyEvent OnMouseDown;

protected:
    void CreateParams(TCreateParams& params) override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};
