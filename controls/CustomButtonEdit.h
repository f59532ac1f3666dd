// TCustomButtonEdit: a one-line field with a push button inside its right end. The field is a
// multi-line edit so that its formatting rectangle can keep the text clear of the button; it
// handles the keys of a one-line field itself (Enter and Tab add nothing) and opens its button
// with ClickKey.
#pragma once
#include <string>

#include "controls/ButtonFieldLayout.h"
#include "controls/ButtonHost.h"
#include "controls/EditButton.h"
#include "ui/Edit.h"

// A key with its shift state as one number: the virtual key plus these flags.
using TShortCut = unsigned short;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;

class TCustomButtonEdit : public TEdit {
public:
    explicit TCustomButtonEdit(TComponent* owner);

    int ButtonWidth() const { return m_buttonWidth; }
    void SetButtonWidth(int value);
    bool ButtonFlat() const { return m_button->Flat(); }
    void SetButtonFlat(bool value) { m_button->SetFlat(value); }
    const std::string& ButtonHint() const { return m_button->Hint(); }
    void SetButtonHint(const std::string& value);
    TShortCut ClickKey() const { return m_clickKey; }
    void SetClickKey(TShortCut value) { m_clickKey = value; }
    // Whenever the focus moves to the field from another control of its window, other than by a
    // mouse press on the field, all text is selected.
    bool AutoSelect() const { return m_autoSelect; }
    void SetAutoSelect(bool value) { m_autoSelect = value; }
    // Typed characters pass through the OEM code page (ES_OEMCONVERT).
    bool OEMConvert() const { return m_oemConvert; }
    void SetOEMConvert(bool value);
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool value);
    // False: the user cannot type, only the button changes the text.
    bool DirectInput() const { return m_directInput; }
    void SetDirectInput(bool value);
    // The border: a sunken 3-D edge, a single line, or none.
    bool Ctl3D() const { return m_ctl3D; }
    void SetCtl3D(bool value);
    bool HasBorder() const { return m_border; }
    void SetHasBorder(bool value);
    TFieldBorder Border() const;

    TButtonHost* Host() const { return m_host; }
    TEditButton* Button() const { return m_button; }

    // Raised when the button is clicked or ClickKey pressed, before the button's action.
    TNotifyEvent OnButtonClick;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeHandle() override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Changed(TChange change) override;
    // The button's action; the base raises OnButtonClick.
    virtual void ButtonClick();
    // Whether the field can take the keyboard focus now.
    bool CanFocus() const;

private:
    void UpdateLayout();
    void AdjustHeight();
    void ApplyStyles();
    void ApplyReadOnly();
    void ButtonMouseDown();
    // Hands Enter or Esc to the top-level window as its default or cancel button would get it.
    void OfferDialogKey(WPARAM key);
    bool HandleKeyDown(UINT message, WPARAM key, LPARAM lParam);

    TButtonHost* m_host = nullptr;    // owned through the component list
    TEditButton* m_button = nullptr;  // owned through the component list; child of m_host
    int m_buttonWidth = 21;
    TShortCut m_clickKey = scAlt | VK_DOWN;
    bool m_autoSelect = true;
    bool m_oemConvert = true;
    bool m_readOnly = false;
    bool m_directInput = true;
    bool m_ctl3D = true;
    bool m_border = true;
    bool m_mousePress = false;  // a mouse press on the field itself is giving it the focus
};
