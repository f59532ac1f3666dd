// TGroupBox: a framed, captioned container; its caption is drawn in its font's colour.
#pragma once
#include "ui/WinControl.h"

class TGroupBox : public TWinControl {
public:
    explicit TGroupBox(TComponent* owner);

protected:
    void CreateParams(TCreateParams& params) override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};
