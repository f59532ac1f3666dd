// The scrolling panel's geometry without a window: glyph places, centring, blank lines, runs.
#include <gtest/gtest.h>

#include "controls/ScrollLayout.h"

namespace {
const TPanelRect kClient{0, 0, 481, 297};  // the About window's panel
}

TEST(ScrollLayout, GlyphPlacesFollowTheLayoutRules) {
    const struct {
        const char* name;
        TGlyphLayout layout;
        int glyphWidth, glyphHeight;
        TPanelRect text;
        int x, y;
    } cases[] = {
        {"no glyph", glGlyphLeft, 0, 0, {4, 4, 477, 293}, 4, 148},
        {"left", glGlyphLeft, 20, 10, {7 + 20 + 1 + 3, 4, 477, 293}, 7, 143},
        {"left, zero width", glGlyphLeft, 0, 10, {4, 4, 477, 293}, 4, 143},
        {"right", glGlyphRight, 20, 10, {4, 4, 454 - 4, 293}, 454, 143},
        {"right, zero width", glGlyphRight, 0, 10, {4, 4, 477, 293}, 477, 143},
        {"top", glGlyphTop, 20, 10, {4, 7 + 10 + 1 + 6, 477, 293}, 230, 7},
        {"bottom", glGlyphBottom, 20, 10, {4, 4, 477, 280 - 7}, 230, 280},
        {"taller than the text", glGlyphLeft, 20, 400, {31, 4, 477, 293}, 7, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TPanelLayout layout = PlaceGlyphAndText(kClient, 1, c.glyphWidth, c.glyphHeight, c.layout);
        EXPECT_EQ(layout.Inner, (TPanelRect{1, 1, 480, 296}));
        EXPECT_EQ(layout.Text, c.text);
        EXPECT_EQ(layout.GlyphX, c.x);
        EXPECT_EQ(layout.GlyphY, c.y);
    }
}

TEST(ScrollLayout, ABlockLowerThanTheRectangleIsCentredAndACollapsedOneEmptied) {
    TPanelRect text{4, 4, 477, 293};
    CentreLineBlock(text, 2, 13);
    EXPECT_EQ(text, (TPanelRect{4, 135, 477, 162}));
    TPanelRect full{4, 4, 477, 293};
    CentreLineBlock(full, 30, 13);
    EXPECT_EQ(full, (TPanelRect{4, 4, 477, 293}));
    TPanelRect inverted{10, 10, 8, 30};
    CollapseIfEmpty(inverted);
    EXPECT_EQ(inverted, TPanelRect{});
    TPanelRect flat{10, 10, 30, 10};
    CollapseIfEmpty(flat);
    EXPECT_EQ(flat, TPanelRect{});
}

TEST(ScrollLayout, BlankLinesAreThoseOfControlCharactersAndSpacesOnly) {
    const std::vector<std::string> lines{"", " \t\r\n\x1f ", "\xA0", " x ", "", "y", "  "};
    EXPECT_TRUE(IsBlankLine(lines[1]));
    EXPECT_FALSE(IsBlankLine(lines[2]));  // a no-break space of code page 1251 is a character
    EXPECT_EQ(FirstNonBlankLine(lines), 2);
    EXPECT_EQ(LastNonBlankLine(lines), 5);
    EXPECT_EQ(FirstNonBlankLine({"", " "}), 2);
    EXPECT_EQ(LastNonBlankLine({"", " "}), -1);
}

TEST(ScrollLayout, TheFirstLineBoxStartsJustOutsideAndMovesOnePixelPerTick) {
    const struct {
        const char* name;
        TScrollDirection direction;
        bool rightToLeft;
        int position;
        TPanelRect box;
    } cases[] = {
        {"vertical at 0", sdVertical, false, 0, {0, 289, 473, 302}},
        {"vertical at 7", sdVertical, false, 7, {0, 282, 473, 295}},
        {"leftward at 0", sdHorizontal, false, 0, {473, 0, 593, 13}},
        {"leftward at 7", sdHorizontal, false, 7, {466, 0, 586, 13}},
        {"rightward at 0", sdHorizontal, true, 0, {-120, 0, 0, 13}},
        {"rightward at 7", sdHorizontal, true, 7, {-113, 0, 7, 13}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const int length = c.direction == sdVertical ? 588 : 593;
        EXPECT_EQ(FirstLineBox(c.direction, c.rightToLeft, 473, 289, c.position, length, 13), c.box);
    }
}
