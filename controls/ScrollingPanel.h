// TScrollingPanel: a panel whose lines of text move through it one pixel per tick of its own
// threaded timer, upward or leftward, optionally beside a glyph. Each frame is drawn into an
// off-screen bitmap as large as the text rectangle and copied to the window in one block.
#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/ScrollLayout.h"
#include "controls/ThreadedTimer.h"
#include "sys/CriticalSection.h"
#include "sys/GdiObjects.h"
#include "ui/CustomPanel.h"
#include "ui/Strings.h"

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };

// Paints a rectangle of the panel's background on a device context (the window's or the bitmap's).
using TPanelDrawEvent = std::function<void(TObject* Sender, HDC Canvas, const RECT& Rect)>;

class TScrollingPanel : public TCustomPanel {
public:
    explicit TScrollingPanel(TComponent* owner);
    ~TScrollingPanel() override;

    bool Active() const { return m_active; }
    void SetActive(bool value);
    void StartScrolling() { SetActive(true); }
    void StopScrolling() { SetActive(false); }

    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment value);
    // True: ticks, with their drawing, run on the timer's thread; false: on the interface thread.
    bool AsyncDrawing() const { return m_asyncDrawing; }
    void SetAsyncDrawing(bool value);
    // True: the text starts over once it has left; false: the panel stops itself.
    bool Cycled() const;
    void SetCycled(bool value);
    // The glyph: a copy of picture is kept; transparent is the colour not drawn (CLR_INVALID: the
    // colour of the glyph's bottom-left pixel). A null picture empties the glyph.
    HBITMAP Glyph() const { return m_glyph.Get(); }
    void SetGlyph(HBITMAP picture, COLORREF transparent = CLR_INVALID);
    TGlyphLayout GlyphLayout() const { return m_glyphLayout; }
    void SetGlyphLayout(TGlyphLayout value);
    unsigned Interval() const { return m_timer->Interval(); }
    void SetInterval(unsigned value) { m_timer->SetInterval(value); }
    // The text; every change of the list sends the change notice.
    TStringList& Lines() { return m_lines; }
    const TStringList& Lines() const { return m_lines; }
    void SetLines(const std::vector<std::string>& lines) { m_lines.Assign(lines); }
    TScrollDirection ScrollDirection() const { return m_scrollDirection; }
    void SetScrollDirection(TScrollDirection value);
    // bvNone plain, bvLowered engraved, bvRaised embossed, bvSpace plain with the styled spacing.
    TBevelCut TextStyle() const { return m_textStyle; }
    void SetTextStyle(TBevelCut value);
    // Right-to-left reading (any mode but bdLeftToRight) and alignment (bdRightToLeft).
    TBiDiMode BiDiMode() const { return m_biDiMode; }
    void SetBiDiMode(TBiDiMode value);

    // Replaces the plain background fill; with AsyncDrawing it also runs on the timer's thread.
    TPanelDrawEvent OnPaintClient;
    TNotifyEvent OnStartPlay;
    TNotifyEvent OnStopPlay;

    // One tick: moves the text one pixel and draws the frame; at the end of a run that is not
    // cycled it has the interface thread stop the panel.
    virtual void ScrollStep();
    // Fills rect with the canvas's brush, or lets OnPaintClient paint it.
    virtual void PaintBackground(HDC canvas, const RECT& rect) const;
    void PaintTo(HDC dc) const override;

    // The run's state, as the ticks see it.
    int ScrollPosition() const;
    int ScrollLength() const;
    int LineStep() const;
    int FirstLine() const;
    RECT TextRect() const;
    bool HasImage() const;
    TThreadedTimer& Timer() const { return *m_timer; }

protected:
    void Changed(TChange change) override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void AlignControls() override;
    void Resize() override;
    void StartPlay();
    void StopPlay();

private:
    // Works out the rectangles and the glyph origin (bitmap lock held).
    void ComputeLayout();
    // The rebuild: metrics, layout, run length and the bitmap's size and tools.
    void UpdateImage();
    // Draws the current frame into the bitmap and copies it to the window (bitmap lock held).
    void RenderFrame();
    void FreeImage();
    void DrawGlyph(HDC dc) const;
    void LinesChanged();
    void Rebuild(bool resetPosition, bool repaint);
    bool RightToLeftReading() const { return m_biDiMode != bdLeftToRight; }
    bool RightToLeftAlignment() const { return m_biDiMode == bdRightToLeft; }
    SIZE GlyphSize() const;

    // Guards the bitmap and everything a tick reads: rectangles, glyph origin, line step, first
    // line, position, length, the lines' copy and the drawing settings. Taken before the canvas lock.
    mutable TCriticalSection m_bitmapLock;
    // Guards drawing on the panel's window: the copy of each frame and the painting.
    mutable TCriticalSection m_canvasLock;

    bool m_active = false;
    TAlignment m_alignment = taCenter;
    bool m_asyncDrawing = true;
    bool m_cycled = false;
    TGlyphLayout m_glyphLayout = glGlyphLeft;
    TScrollDirection m_scrollDirection = sdVertical;
    TBevelCut m_textStyle = bvNone;
    TBiDiMode m_biDiMode = bdLeftToRight;
    TStringList m_lines;
    TBitmapHandle m_glyph;  // owned copy of the assigned picture
    COLORREF m_glyphTransparent = CLR_INVALID;
    std::vector<TControl*> m_hiddenControls;  // not owned: children that the start hid
    TThreadedTimer* m_timer = nullptr;        // owned through the component list
    unsigned m_runNumber = 0;                 // changes at every start

    // Under the bitmap lock.
    int m_position = 0;
    int m_length = 0;
    std::uint8_t m_lineStep = 1;
    int m_firstLine = 0;
    TPanelLayout m_layout;
    std::vector<std::string> m_drawLines;  // the lines as the ticks draw them
    HWND m_drawWindow = nullptr;           // not owned: the window the frames go to
    COLORREF m_textColor = 0;
    COLORREF m_backColor = 0;
    std::unique_ptr<TMemDC> m_imageDC;     // owned, with the bitmap, font and brush below selected
    TBitmapHandle m_image;                 // the off-screen bitmap; exists only while active
    TFontHandle m_imageFont;               // the bitmap's own copy of Font
    TBrushHandle m_imageBrush;             // the bitmap's brush of Color
    HGDIOBJ m_oldBitmap = nullptr, m_oldFont = nullptr, m_oldBrush = nullptr;  // the DC's own
};
