// The scrolling panel's geometry, free of the platform: where the glyph and the text go, which
// lines count, how long a run is, and where the block of lines stands at a scroll position.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

enum TGlyphLayout { glGlyphLeft, glGlyphRight, glGlyphTop, glGlyphBottom };
enum TScrollDirection { sdVertical, sdHorizontal };

struct TPanelRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool operator==(const TPanelRect& o) const {
        return Left == o.Left && Top == o.Top && Right == o.Right && Bottom == o.Bottom;
    }
};

struct TPanelLayout {
    TPanelRect Inner;  // the client area less the bevels and the border
    TPanelRect Text;   // where the text moves
    int GlyphX = 0, GlyphY = 0;  // top-left corner of the glyph
};

// Places the glyph and the text rectangle inside a client rectangle with a frame frameWidth wide.
// The glyph keeps 3 pixels from the text area's edge on its side; the gap between glyph and text
// is frameWidth + 3 beside the text and frameWidth + 6 above or below it. An empty glyph (0 wide
// or 0 high on its axis) leaves the text rectangle whole.
TPanelLayout PlaceGlyphAndText(const TPanelRect& client, int frameWidth, int glyphWidth, int glyphHeight,
                               TGlyphLayout layout);
// Centres a block of lineCount lines of lineStep pixels vertically in text when it is lower.
void CentreLineBlock(TPanelRect& text, int lineCount, int lineStep);
// A text rectangle with no area becomes (0, 0, 0, 0).
void CollapseIfEmpty(TPanelRect& text);

// A line is blank when nothing is left of it once characters of code 32 and below are trimmed.
bool IsBlankLine(const std::string& line);
// Index of the first non-blank line (the line count when all are blank).
int FirstNonBlankLine(const std::vector<std::string>& lines);
// Index of the last non-blank line (-1 when all are blank).
int LastNonBlankLine(const std::vector<std::string>& lines);

// Pixels from one line's top to the next: the font's height plus its external leading, one more
// for an engraved, embossed or spaced text, kept in 8 bits.
std::uint8_t LineStepFor(int characterHeight, int externalLeading, bool styled);
// Scroll position at which the lines have left the text rectangle upward: the rectangle's height
// plus every line from the first non-blank one on (trailing blank lines included).
int VerticalScrollLength(int textHeight, int lineCount, int firstLine, int lineStep);
// The same leftward: the widest line plus the rectangle's width.
int HorizontalScrollLength(int textWidth, int widestLine);

// The box of the first drawn line, in the off-screen bitmap's coordinates, at a scroll position.
// At position 0 the block lies just outside the text area: below it, beyond its right edge, or
// (right-to-left reading) beyond its left edge.
TPanelRect FirstLineBox(TScrollDirection direction, bool rightToLeft, int textWidth, int textHeight, int position,
                        int scrollLength, int lineStep);
// The longest part of a line that is drawn.
constexpr std::size_t kMaxDrawnLineLength = 255;
