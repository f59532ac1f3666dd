// TGlyphSpeedButton: a speed button whose glyph is one image of an image list it does not own,
// drawn in the middle of its face, raised or flat.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include "ui/SpeedButton.h"

class TGlyphSpeedButton : public TSpeedButton {
public:
    explicit TGlyphSpeedButton(TComponent* owner);

    // The image list is shared and not owned; it must outlive the button.
    void SetImage(HIMAGELIST images, int index);
    HIMAGELIST Images() const { return m_images; }
    bool Flat() const { return m_flat; }
    void SetFlat(bool value);
    void PaintTo(HDC dc) const override;

private:
    HIMAGELIST m_images = nullptr;  // not owned
    int m_imageIndex = -1;
    bool m_flat = false;
};
