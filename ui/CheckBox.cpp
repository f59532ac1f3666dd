// TCheckBox over the standard BUTTON class with BS_AUTOCHECKBOX.
#include "ui/CheckBox.h"

TCheckBox::TCheckBox(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 97, 17); }

void TCheckBox::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.OwnClass = false;
    params.ClassName = "BUTTON";
    params.Style |= WS_TABSTOP | BS_AUTOCHECKBOX;
}

void TCheckBox::InitializeHandle() { SendMessageA(Handle(), BM_SETCHECK, m_checked ? BST_CHECKED : BST_UNCHECKED, 0); }

void TCheckBox::SetChecked(bool value) {
    if (value == m_checked) return;
    m_checked = value;
    if (HandleAllocated()) SendMessageA(Handle(), BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool TCheckBox::Reflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        m_checked = SendMessageA(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
        Click();
        result = 0;
        return true;
    }
    return TWinControl::Reflected(message, wParam, lParam, result);
}
