// TScrollingPanel: properties and change notices, the rebuild, the tick with its off-screen frame,
// the painting of frame, background and glyph, and start and stop.
#include "controls/ScrollingPanel.h"

#include <algorithm>

#include "controls/TimerThread.h"
#include "ui/TransparentDraw.h"

namespace {
RECT ToRect(const TPanelRect& r) { return RECT{r.Left, r.Top, r.Right, r.Bottom}; }
}  // namespace

TScrollingPanel::TScrollingPanel(TComponent* owner) : TCustomPanel(owner) {
    SetBevelOuter(bvLowered);
    m_lines.OnChange = [this] { LinesChanged(); };
    m_timer = Create<TThreadedTimer>();
    m_timer->SetEnabled(false);
    m_timer->SetOnTimer([this](TObject*) { ScrollStep(); });
    m_timer->SetInterval(30);
    m_timer->SetSyncEvent(false);
}

TScrollingPanel::~TScrollingPanel() {
    BeginDestroy();
    SetActive(false);
    // The timer goes before anything its ticks read; its end waits for a tick in progress.
    RemoveComponent(m_timer).reset();
    m_timer = nullptr;
    m_lines.OnChange = nullptr;
    FreeImage();
}

void TScrollingPanel::SetActive(bool value) {
    if (value == m_active) return;
    if (value) {
        m_active = true;
        {
            TLock lock(m_bitmapLock);
            m_position = 0;
            ++m_runNumber;
        }
        UpdateImage();
        try {
            m_timer->SetEnabled(true);
            StartPlay();
        } catch (...) {
            m_active = false;
            m_timer->SetEnabled(false);
            throw;
        }
        if (!Destroying()) {
            for (int i = 0; i < ControlCount(); ++i) {
                TControl* child = Controls(i);
                if (child->Visible()) m_hiddenControls.push_back(child);
                child->Hide();
            }
        }
        Invalidate();
        return;
    }
    m_active = false;
    {
        // A frame being drawn is finished before the timer stops and the bitmap goes.
        TLock lock(m_bitmapLock);
        m_timer->SetEnabled(false);
        m_position = 0;
        FreeImage();
    }
    StopPlay();
    if (!Destroying()) {
        for (TControl* child : m_hiddenControls) {
            // Only children still in the panel: one may have left it while hidden.
            bool present = false;
            for (int i = 0; i < ControlCount(); ++i) present = present || Controls(i) == child;
            if (!present) continue;
            child->Show();
            if (auto* window = dynamic_cast<TWinControl*>(child)) window->Repaint();
        }
    }
    m_hiddenControls.clear();
    Invalidate();
}

void TScrollingPanel::StartPlay() {
    if (OnStartPlay) OnStartPlay(this);
}

void TScrollingPanel::StopPlay() {
    if (OnStopPlay) OnStopPlay(this);
}

void TScrollingPanel::SetAlignment(TAlignment value) {
    if (value == m_alignment) return;
    {
        TLock lock(m_bitmapLock);
        m_alignment = value;
    }
    if (m_active) Invalidate();
}

void TScrollingPanel::SetAsyncDrawing(bool value) {
    if (value == m_asyncDrawing) return;
    m_asyncDrawing = value;
    m_timer->SetSyncEvent(!value);
}

bool TScrollingPanel::Cycled() const {
    TLock lock(m_bitmapLock);
    return m_cycled;
}

void TScrollingPanel::SetCycled(bool value) {
    TLock lock(m_bitmapLock);
    m_cycled = value;
}

void TScrollingPanel::SetGlyph(HBITMAP picture, COLORREF transparent) {
    TBitmapHandle copy;
    const SIZE size = BitmapSize(picture);
    if (picture && size.cx > 0 && size.cy > 0) {
        TClientDC screen(nullptr);
        copy.Reset(CreateCompatibleBitmap(screen.Get(), size.cx, size.cy));
        TMemDC source(screen.Get()), target(screen.Get());
        TSelectGuard selectSource(source.Get(), picture);
        TSelectGuard selectTarget(target.Get(), copy.Get());
        BitBlt(target.Get(), 0, 0, size.cx, size.cy, source.Get(), 0, 0, SRCCOPY);
    }
    m_glyph = std::move(copy);
    m_glyphTransparent = transparent;
    // The glyph picture changed: the position stays, the layout is rebuilt.
    Rebuild(false, true);
}

SIZE TScrollingPanel::GlyphSize() const { return BitmapSize(m_glyph.Get()); }

void TScrollingPanel::SetGlyphLayout(TGlyphLayout value) {
    if (value == m_glyphLayout) return;
    m_glyphLayout = value;
    Rebuild(false, true);
}

void TScrollingPanel::SetScrollDirection(TScrollDirection value) {
    if (value == m_scrollDirection) return;
    {
        TLock lock(m_bitmapLock);
        m_scrollDirection = value;
    }
    Rebuild(true, true);
}

void TScrollingPanel::SetTextStyle(TBevelCut value) {
    if (value == m_textStyle) return;
    {
        TLock lock(m_bitmapLock);
        m_textStyle = value;
    }
    Rebuild(false, true);
}

void TScrollingPanel::SetBiDiMode(TBiDiMode value) {
    if (value == m_biDiMode) return;
    {
        TLock lock(m_bitmapLock);
        m_biDiMode = value;
    }
    if (m_active) Invalidate();
}

void TScrollingPanel::LinesChanged() {
    {
        // The ticks draw from their own copy, so the list itself is never read off this thread.
        TLock lock(m_bitmapLock);
        m_drawLines = m_lines.Lines();
    }
    Rebuild(true, true);
}

// The change notices: only an active panel rebuilds; an inactive one keeps the new value.
void TScrollingPanel::Rebuild(bool resetPosition, bool repaint) {
    if (!m_active) return;
    if (resetPosition) {
        TLock lock(m_bitmapLock);
        m_position = 0;
    }
    UpdateImage();
    if (repaint) Invalidate();
}

void TScrollingPanel::Changed(TChange change) {
    TCustomPanel::Changed(change);
    if (change == TChange::Font || change == TChange::Color) Rebuild(false, false);
}

void TScrollingPanel::AlignControls() { Rebuild(false, false); }

void TScrollingPanel::Resize() { Rebuild(false, true); }

LRESULT TScrollingPanel::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        TLock lock(m_bitmapLock);
        m_drawWindow = nullptr;
    }
    return TCustomPanel::WndProc(message, wParam, lParam);
}

void TScrollingPanel::ComputeLayout() {
    const RECT client = ClientRect();
    const SIZE glyph = GlyphSize();
    m_layout = PlaceGlyphAndText(TPanelRect{client.left, client.top, client.right, client.bottom}, FrameWidth(),
                                 glyph.cx, glyph.cy, m_glyphLayout);
    if (m_scrollDirection == sdHorizontal)
        CentreLineBlock(m_layout.Text, LastNonBlankLine(m_drawLines) + 1 - m_firstLine, m_lineStep);
    CollapseIfEmpty(m_layout.Text);
}

void TScrollingPanel::UpdateImage() {
    TLock lock(m_bitmapLock);
    if (!m_imageDC) {
        TClientDC screen(nullptr);
        m_imageDC = std::make_unique<TMemDC>(screen.Get());
    }
    m_drawLines = m_lines.Lines();
    m_firstLine = FirstNonBlankLine(m_drawLines);

    // The metrics and widths of Font, on a DC of its own (the bitmap's font is a separate copy).
    TMemDC measure(nullptr);
    TSelectGuard selectFont(measure.Get(), Font().Handle());
    TEXTMETRICA metrics{};
    GetTextMetricsA(measure.Get(), &metrics);
    m_lineStep = LineStepFor(metrics.tmHeight, metrics.tmExternalLeading, m_textStyle != bvNone);

    ComputeLayout();
    const TPanelRect& text = m_layout.Text;
    if (m_scrollDirection == sdHorizontal) {
        int widest = 0;
        for (std::size_t i = static_cast<std::size_t>(m_firstLine); i < m_drawLines.size(); ++i) {
            SIZE extent{};
            const std::string& line = m_drawLines[i];
            GetTextExtentPoint32A(measure.Get(), line.c_str(), static_cast<int>(line.size()), &extent);
            widest = std::max(widest, static_cast<int>(extent.cx));
        }
        m_length = HorizontalScrollLength(text.Width(), widest);
    } else {
        m_length = VerticalScrollLength(text.Height(), static_cast<int>(m_drawLines.size()), m_firstLine, m_lineStep);
    }

    // The bitmap, as large as the text rectangle, with its own font, brush and colours.
    HDC dc = m_imageDC->Get();
    if (m_oldBitmap) SelectObject(dc, m_oldBitmap);
    if (m_oldFont) SelectObject(dc, m_oldFont);
    if (m_oldBrush) SelectObject(dc, m_oldBrush);
    {
        TClientDC screen(nullptr);
        m_image.Reset(CreateCompatibleBitmap(screen.Get(), std::max(text.Width(), 1), std::max(text.Height(), 1)));
    }
    LOGFONTA font{};
    GetObjectA(Font().Handle(), sizeof font, &font);
    m_imageFont.Reset(CreateFontIndirectA(&font));
    m_backColor = ColorToRGB(Color());
    m_textColor = ColorToRGB(Font().Color());
    m_imageBrush.Reset(CreateSolidBrush(m_backColor));
    m_oldBitmap = SelectObject(dc, m_image.Get());
    m_oldFont = SelectObject(dc, m_imageFont.Get());
    m_oldBrush = SelectObject(dc, m_imageBrush.Get());
    SetBkMode(dc, TRANSPARENT);
    m_drawWindow = Handle();
}

void TScrollingPanel::FreeImage() {
    TLock lock(m_bitmapLock);
    if (m_imageDC) {
        HDC dc = m_imageDC->Get();
        if (m_oldBitmap) SelectObject(dc, m_oldBitmap);
        if (m_oldFont) SelectObject(dc, m_oldFont);
        if (m_oldBrush) SelectObject(dc, m_oldBrush);
    }
    m_oldBitmap = m_oldFont = m_oldBrush = nullptr;
    m_imageDC.reset();
    m_image.Reset();
    m_imageFont.Reset();
    m_imageBrush.Reset();
}

void TScrollingPanel::ScrollStep() {
    bool stop = false;
    unsigned runNumber = 0;
    {
        TLock lock(m_bitmapLock);
        if (m_position < m_length) {
            ++m_position;
            RenderFrame();
        } else if (m_cycled) {
            m_position = 0;
            RenderFrame();
        } else {
            stop = true;
            runNumber = m_runNumber;
        }
    }
    if (!stop) {
        // Some windowing layers (Wine's) bring drawn pixels to the screen from whichever thread
        // next looks for messages. The timer's thread looks here, with no lock held, so that this
        // work stays off the interface thread too.
        if (m_timer->Thread().IsWorkerThread()) {
            MSG none;
            PeekMessageA(&none, nullptr, 0, 0, PM_NOREMOVE | PM_QS_PAINT);
        }
        return;
    }
    // No lock is held while the interface thread runs the stop. A run started again meanwhile
    // is not stopped by the end of the old one.
    m_timer->SynchronizeCall([this, runNumber] {
        bool sameRun;
        {
            TLock lock(m_bitmapLock);
            sameRun = runNumber == m_runNumber;
        }
        if (sameRun) StopScrolling();
    });
}

void TScrollingPanel::RenderFrame() {
    TLock lock(m_bitmapLock);
    const TPanelRect& text = m_layout.Text;
    if (!m_image || m_drawLines.empty() || text.Width() <= 0 || text.Height() <= 0 || !m_drawWindow) return;
    HDC dc = m_imageDC->Get();
    const int width = text.Width(), height = text.Height();
    {
        // The bitmap receives exactly the background that lies under the text rectangle.
        TSavedDCState saved(dc);
        SetWindowOrgEx(dc, text.Left, text.Top, nullptr);
        PaintBackground(dc, ToRect(m_layout.Inner));
    }
    SetBkMode(dc, TRANSPARENT);

    const bool rtlReading = RightToLeftReading();
    TAlignment alignment = m_alignment;
    if (RightToLeftAlignment() && alignment != taCenter)
        alignment = alignment == taLeftJustify ? taRightJustify : taLeftJustify;
    UINT format = DT_SINGLELINE | DT_EXPANDTABS | DT_NOCLIP | DT_NOPREFIX;
    format |= alignment == taLeftJustify ? DT_LEFT : alignment == taRightJustify ? DT_RIGHT : DT_CENTER;
    if (rtlReading) format |= DT_RTLREADING;

    TPanelRect box = FirstLineBox(m_scrollDirection, rtlReading, width, height, m_position, m_length, m_lineStep);
    const COLORREF highlight = ColorToRGB(clBtnHighlight);
    for (std::size_t i = static_cast<std::size_t>(std::max(m_firstLine, 0)); i < m_drawLines.size(); ++i) {
        if (box.Top >= height) break;
        if (box.Bottom > 0) {
            const std::string& line = m_drawLines[i];
            const int length = static_cast<int>(std::min(line.size(), kMaxDrawnLineLength));
            if (m_textStyle == bvLowered || m_textStyle == bvRaised) {
                const int shift = m_textStyle == bvLowered ? 1 : -1;
                RECT copy = ToRect(box);
                OffsetRect(&copy, shift, shift);
                SetTextColor(dc, highlight);
                DrawTextA(dc, line.c_str(), length, &copy, format);
            }
            SetTextColor(dc, m_textColor);
            RECT r = ToRect(box);
            DrawTextA(dc, line.c_str(), length, &r, format);
        }
        box.Top += m_lineStep;
        box.Bottom += m_lineStep;
    }

    // One block copy to the window; the copied area needs no repaint.
    TLock canvas(m_canvasLock);
    TClientDC window(m_drawWindow);
    if (!window.Get()) return;
    BitBlt(window.Get(), text.Left, text.Top, width, height, dc, 0, 0, SRCCOPY);
    const RECT painted = ToRect(text);
    ValidateRect(m_drawWindow, &painted);
}

void TScrollingPanel::PaintBackground(HDC canvas, const RECT& rect) const {
    if (OnPaintClient) {
        OnPaintClient(const_cast<TScrollingPanel*>(this), canvas, rect);
        return;
    }
    FillRect(canvas, &rect, static_cast<HBRUSH>(GetCurrentObject(canvas, OBJ_BRUSH)));
}

void TScrollingPanel::PaintTo(HDC dc) const {
    TLock canvas(m_canvasLock);
    RECT rect = ClientRect();
    PaintFrame(dc, rect);
    {
        TSavedDCState saved(dc);
        IntersectClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
        TBrushHandle brush(CreateSolidBrush(ColorToRGB(Color())));
        SelectObject(dc, brush.Get());
        PaintBackground(dc, rect);
        SelectObject(dc, GetStockObject(WHITE_BRUSH));  // the brush is deleted before the state returns
    }
    if (m_active) DrawGlyph(dc);
}

void TScrollingPanel::DrawGlyph(HDC dc) const {
    const SIZE size = GlyphSize();
    if (!m_glyph || size.cx <= 0 || size.cy <= 0) return;
    // The origin is worked out afresh: painting never takes the bitmap lock that guards the layout.
    const RECT client = ClientRect();
    const TPanelLayout layout = PlaceGlyphAndText(TPanelRect{client.left, client.top, client.right, client.bottom},
                                                  FrameWidth(), size.cx, size.cy, m_glyphLayout);
    TMemDC source(dc);
    TSelectGuard select(source.Get(), m_glyph.Get());
    const COLORREF transparent =
        m_glyphTransparent != CLR_INVALID ? m_glyphTransparent : GetPixel(source.Get(), 0, size.cy - 1);
    DrawWithoutColour(dc, layout.GlyphX, layout.GlyphY, size.cx, size.cy, source.Get(), transparent);
}

int TScrollingPanel::ScrollPosition() const {
    TLock lock(m_bitmapLock);
    return m_position;
}

int TScrollingPanel::ScrollLength() const {
    TLock lock(m_bitmapLock);
    return m_length;
}

int TScrollingPanel::LineStep() const {
    TLock lock(m_bitmapLock);
    return m_lineStep;
}

int TScrollingPanel::FirstLine() const {
    TLock lock(m_bitmapLock);
    return m_firstLine;
}

RECT TScrollingPanel::TextRect() const {
    TLock lock(m_bitmapLock);
    return ToRect(m_layout.Text);
}

bool TScrollingPanel::HasImage() const {
    TLock lock(m_bitmapLock);
    return static_cast<bool>(m_image);
}
