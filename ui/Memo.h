// TMemo: a multi-line text box over the standard EDIT class. Its text lives in the object (line
// breaks are CR LF); read-only, scroll bars and word wrap are properties with the layer's setters.
#pragma once
#include <string>

#include "ui/Edit.h"

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TMemo : public TEdit {
public:
    explicit TMemo(TComponent* owner);

    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool value);
    TScrollStyle ScrollBars() const { return m_scrollBars; }
    void SetScrollBars(TScrollStyle value);
    // Long lines break at the box's right edge; without it they scroll sideways.
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool value);

    // Empties the text.
    void Clear() { SetText(std::string()); }
    // Appends the line and one line break (CR LF); line breaks inside it stay as they are.
    void AddLine(const std::string& line) { SetText(Text() + line + "\r\n"); }

protected:
    void CreateParams(TCreateParams& params) override;

private:
    // The platform fixes an edit's wrapping and scroll bars when the window is made, so a change
    // of either makes the window anew (the text and the other state live in the object).
    void RecreateWindow();

    bool m_readOnly = false;
    TScrollStyle m_scrollBars = ssNone;
    bool m_wordWrap = true;
};
