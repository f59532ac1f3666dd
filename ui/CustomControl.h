// TCustomControl: a control of the layer's own window class that paints itself in PaintTo.
#pragma once
#include "ui/WinControl.h"

class TCustomControl : public TWinControl {
public:
    using TWinControl::TWinControl;
    // Draws the whole control into a DC: the window's for WM_PAINT, any other for printing.
    virtual void PaintTo(HDC dc) const = 0;

protected:
    // Handles background erasing (the painting covers it), WM_PAINT and WM_PRINTCLIENT.
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};
