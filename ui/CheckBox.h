// TCheckBox: a standard check box whose Checked state lives in the object.
#pragma once
#include "ui/WinControl.h"

class TCheckBox : public TWinControl {
public:
    explicit TCheckBox(TComponent* owner);

    bool Checked() const { return m_checked; }
    void SetChecked(bool value);

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeHandle() override;
    bool Reflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    bool m_checked = false;
};
