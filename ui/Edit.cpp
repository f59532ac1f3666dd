// TEdit over the standard EDIT class: program and user changes both end in Change().
#include "ui/Edit.h"

#include <vector>

TEdit::TEdit(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 121, 21);
    SetColor(clWindow);
}

void TEdit::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.OwnClass = false;
    params.ClassName = "EDIT";
    params.Style |= WS_TABSTOP | ES_AUTOHSCROLL | ES_LEFT;
    params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TEdit::Changed(TChange change) {
    if (change != TChange::Caption) {
        TWinControl::Changed(change);
        return;
    }
    if (HandleAllocated()) {
        m_settingText = true;
        SetWindowTextA(Handle(), Text().c_str());
        m_settingText = false;
    }
    Change();
}

void TEdit::Change() {
    if (OnChange) OnChange(this);
}

bool TEdit::Reflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE) {
        result = 0;
        if (m_settingText) return true;
        const int length = GetWindowTextLengthA(Handle());
        std::vector<char> buffer(static_cast<size_t>(length) + 1);
        const int read = GetWindowTextA(Handle(), buffer.data(), length + 1);
        const std::string text(buffer.data(), static_cast<size_t>(read > 0 ? read : 0));
        if (text == Text()) return true;
        StoreCaption(text);
        Change();
        return true;
    }
    return TWinControl::Reflected(message, wParam, lParam, result);
}
