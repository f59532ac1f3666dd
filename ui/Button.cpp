// TButton over the standard BUTTON class.
#include "ui/Button.h"

TButton::TButton(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 75, 25); }

void TButton::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.OwnClass = false;
    params.ClassName = "BUTTON";
    params.Style |= WS_TABSTOP | BS_PUSHBUTTON;
}

bool TButton::Reflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        Click();
        result = 0;
        return true;
    }
    return TWinControl::Reflected(message, wParam, lParam, result);
}
