// TStaticText: a label that sizes itself to its caption. The caption keeps its line breaks, and
// '&' marks an access key: it is not shown and the next character is underlined ('&&' shows '&').
#pragma once
#include "ui/CustomControl.h"

class TStaticText : public TCustomControl {
public:
    explicit TStaticText(TComponent* owner);

    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool value);
    // The size the caption needs: its DrawTextA extent plus a margin of two pixels on each side.
    SIZE TextExtent() const;
    // Draws the label's face onto any device context (used for painting and for printing).
    void PaintTo(HDC dc) const override;

protected:
    void CreateParams(TCreateParams& params) override;
    void Changed(TChange change) override;

private:
    void AdjustBounds();
    bool m_autoSize = true;
};
