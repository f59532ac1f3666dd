// TControl: property setters that do nothing for an unchanged value, then notify the window.
#include "ui/Control.h"

#include "ui/WinControl.h"

TControl::TControl(TComponent* owner) : TComponent(owner) {}

TControl::~TControl() {
    if (m_parent) m_parent->RemoveControl(this);
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == m_parent) return;
    if (m_parent) m_parent->RemoveControl(this);
    m_parent = parent;
    if (m_parent) {
        m_parent->InsertControl(this);
        if (m_parentFont) m_font = m_parent->Font();
    }
    Changed(TChange::Parent);
}

void TControl::SetBounds(int left, int top, int width, int height) {
    if (left == m_left && top == m_top && width == m_width && height == m_height) return;
    StoreBounds(left, top, width, height);
    Changed(TChange::Bounds);
}

void TControl::StoreBounds(int left, int top, int width, int height) {
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
}

void TControl::SetVisible(bool value) {
    if (value == m_visible) return;
    m_visible = value;
    Changed(TChange::Visible);
}

void TControl::SetEnabled(bool value) {
    if (value == m_enabled) return;
    m_enabled = value;
    Changed(TChange::Enabled);
}

void TControl::SetCaption(const std::string& value) {
    if (value == m_caption) return;
    m_caption = value;
    Changed(TChange::Caption);
}

void TControl::SetFont(const TFont& value) {
    m_parentFont = false;
    if (value == m_font) return;
    m_font = value;
    Changed(TChange::Font);
}

void TControl::SetParentFont(bool value) {
    if (value == m_parentFont) return;
    m_parentFont = value;
    if (m_parentFont && m_parent && m_font != m_parent->Font()) {
        m_font = m_parent->Font();
        Changed(TChange::Font);
    }
}

void TControl::ParentFontChanged(const TFont& font) {
    if (!m_parentFont || font == m_font) return;
    m_font = font;
    Changed(TChange::Font);
}

void TControl::SetColor(TColor value) {
    if (value == m_color) return;
    m_color = value;
    m_brush.Reset();
    Changed(TChange::Color);
}

HBRUSH TControl::BackgroundBrush() const {
    if (m_color & kSystemColorFlag) return GetSysColorBrush(static_cast<int>(m_color & 0xFF));
    if (!m_brush) m_brush.Reset(CreateSolidBrush(ColorToRGB(m_color)));
    return m_brush.Get();
}

void TControl::SetHint(const std::string& value) {
    if (value == m_hint) return;
    m_hint = value;
    Changed(TChange::Hint);
}

void TControl::SetShowHint(bool value) {
    if (value == m_showHint) return;
    m_showHint = value;
    Changed(TChange::Hint);
}

void TControl::SetTabOrder(int value) {
    if (value == m_tabOrder) return;
    m_tabOrder = value;
    Changed(TChange::TabOrder);
}

void TControl::SetControlId(int value) {
    if (value == m_controlId) return;
    m_controlId = value;
    Changed(TChange::ControlId);
}

void TControl::Click() {
    if (OnClick) OnClick(this);
}
