// TButton: a standard push button; a click raises OnClick.
#pragma once
#include "ui/WinControl.h"

class TButton : public TWinControl {
public:
    explicit TButton(TComponent* owner);

protected:
    void CreateParams(TCreateParams& params) override;
    bool Reflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};
