// The scrolling panel's geometry: glyph placement, centring, blank lines, run lengths.
#include "controls/ScrollLayout.h"

#include <algorithm>

namespace {
int Half(int value) { return value / 2; }  // truncates toward zero, as the layout rules say
}  // namespace

TPanelLayout PlaceGlyphAndText(const TPanelRect& client, int frameWidth, int glyphWidth, int glyphHeight,
                               TGlyphLayout layout) {
    const int w = frameWidth;
    TPanelLayout result;
    result.Inner = {client.Left + w, client.Top + w, client.Right - w, client.Bottom - w};
    TPanelRect& text = result.Text;
    text = {client.Left + w + 3, client.Top + w + 3, client.Right - w - 3, client.Bottom - w - 3};
    int& x = result.GlyphX;
    int& y = result.GlyphY;
    switch (layout) {
        case glGlyphLeft:
        case glGlyphRight:
            y = std::max(Half(text.Bottom + text.Top - glyphHeight), text.Top);
            if (layout == glGlyphLeft) {
                x = text.Left;
                if (glyphWidth > 0) {
                    x += 3;
                    text.Left = x + glyphWidth + w + 3;
                }
            } else {
                x = text.Right - glyphWidth;
                if (glyphWidth > 0) {
                    x = std::max(x - 3, text.Left);
                    text.Right = x - (w + 3);
                }
            }
            break;
        case glGlyphTop:
        case glGlyphBottom:
            x = std::max(Half(text.Right + text.Left - glyphWidth), text.Left);
            if (layout == glGlyphTop) {
                y = text.Top;
                if (glyphHeight > 0) {
                    y += 3;
                    text.Top = y + glyphHeight + w + 6;
                }
            } else {
                y = text.Bottom - glyphHeight;
                if (glyphHeight > 0) {
                    y = std::max(y - 3, text.Top);
                    text.Bottom = y - (w + 6);
                }
            }
            break;
    }
    return result;
}

void CentreLineBlock(TPanelRect& text, int lineCount, int lineStep) {
    const int spare = text.Height() - lineCount * lineStep;
    if (spare <= 0) return;
    text.Top += Half(spare);
    text.Bottom -= Half(spare);
}

void CollapseIfEmpty(TPanelRect& text) {
    if (text.Left >= text.Right || text.Top >= text.Bottom) text = TPanelRect{};
}

bool IsBlankLine(const std::string& line) {
    return std::all_of(line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) <= 32; });
}

int FirstNonBlankLine(const std::vector<std::string>& lines) {
    const auto it = std::find_if(lines.begin(), lines.end(), [](const std::string& l) { return !IsBlankLine(l); });
    return static_cast<int>(it - lines.begin());
}

int LastNonBlankLine(const std::vector<std::string>& lines) {
    for (int i = static_cast<int>(lines.size()) - 1; i >= 0; --i)
        if (!IsBlankLine(lines[static_cast<std::size_t>(i)])) return i;
    return -1;
}

std::uint8_t LineStepFor(int characterHeight, int externalLeading, bool styled) {
    return static_cast<std::uint8_t>(characterHeight + externalLeading + (styled ? 1 : 0));
}

int VerticalScrollLength(int textHeight, int lineCount, int firstLine, int lineStep) {
    return textHeight + (lineCount - firstLine) * lineStep;
}

int HorizontalScrollLength(int textWidth, int widestLine) { return widestLine + textWidth; }

TPanelRect FirstLineBox(TScrollDirection direction, bool rightToLeft, int textWidth, int textHeight, int position,
                        int scrollLength, int lineStep) {
    TPanelRect box{0, 0, textWidth, textHeight};
    if (direction == sdVertical) {
        box.Top = textHeight - position;
    } else if (rightToLeft) {
        box.Right = position;
        box.Left = box.Right - (scrollLength - textWidth);
    } else {
        box.Left = textWidth - position;
        box.Right = box.Left + (scrollLength - textWidth);
    }
    box.Bottom = box.Top + lineStep;
    return box;
}
