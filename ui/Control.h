// TControl: the state every control has (bounds, visibility, caption, font, hint, tab order),
// kept in the object and handed to the window, when there is one, through Changed().
#pragma once
#include <string>

#include "ui/Classes.h"
#include "ui/Graphics.h"

class TWinControl;

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    TWinControl* Parent() const { return m_parent; }
    void SetParent(TWinControl* parent);

    int Left() const { return m_left; }
    int Top() const { return m_top; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    void SetLeft(int value) { SetBounds(value, m_top, m_width, m_height); }
    void SetTop(int value) { SetBounds(m_left, value, m_width, m_height); }
    void SetWidth(int value) { SetBounds(m_left, m_top, value, m_height); }
    void SetHeight(int value) { SetBounds(m_left, m_top, m_width, value); }
    virtual void SetBounds(int left, int top, int width, int height);

    bool Visible() const { return m_visible; }
    void SetVisible(bool value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }

    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool value);

    // The caption of buttons, labels and windows; the text of edits and list-less controls.
    const std::string& Caption() const { return m_caption; }
    void SetCaption(const std::string& value);

    const TFont& Font() const { return m_font; }
    void SetFont(const TFont& value);
    bool ParentFont() const { return m_parentFont; }
    void SetParentFont(bool value);

    TColor Color() const { return m_color; }
    void SetColor(TColor value);

    const std::string& Hint() const { return m_hint; }
    void SetHint(const std::string& value);
    bool ShowHint() const { return m_showHint; }
    void SetShowHint(bool value);

    // Position among the siblings for keyboard navigation; -1 keeps the control out of it.
    int TabOrder() const { return m_tabOrder; }
    void SetTabOrder(int value);

    // The window identifier (GWLP_ID) of a child control.
    int ControlId() const { return m_controlId; }
    void SetControlId(int value);

    TNotifyEvent OnClick;

protected:
    enum class TChange { Parent, Bounds, Visible, Enabled, Caption, Font, Color, Hint, TabOrder, ControlId };
    // Brings the window (if any) up to date after a property change.
    virtual void Changed(TChange) {}
    virtual void Click();
    // Stores state the window changed by itself (user sizing, typing) without pushing it back.
    void StoreBounds(int left, int top, int width, int height);
    void StoreCaption(const std::string& value) { m_caption = value; }
    // A brush of Color for painting backgrounds; a system brush or one owned by this control.
    HBRUSH BackgroundBrush() const;

private:
    TWinControl* m_parent = nullptr;  // not owned: the window tree, not ownership
    int m_left = 0, m_top = 0, m_width = 0, m_height = 0;
    bool m_visible = true;
    bool m_enabled = true;
    std::string m_caption;
    TFont m_font;
    bool m_parentFont = true;
    TColor m_color = clBtnFace;
    mutable TBrushHandle m_brush;  // owned; only for non-system colours
    std::string m_hint;
    bool m_showHint = false;
    int m_tabOrder = -1;
    int m_controlId = 0;

    friend class TWinControl;
    void ParentFontChanged(const TFont& font);
};
