// TEdit: a one-line text field. Text lives in the object; every change of it, by the program
// or by the user, raises OnChange once; setting the text it already holds raises nothing.
#pragma once
#include <string>

#include "ui/WinControl.h"

class TEdit : public TWinControl {
public:
    explicit TEdit(TComponent* owner);

    const std::string& Text() const { return Caption(); }
    void SetText(const std::string& value) { SetCaption(value); }
    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void Changed(TChange change) override;
    bool Reflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    virtual void Change();

private:
    bool m_settingText = false;  // the program is writing the window's text
};
