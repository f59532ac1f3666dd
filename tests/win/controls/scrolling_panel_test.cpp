// The scrolling panel, read in pixels: where the text stands after k ticks, the end of a run,
// blank and long lines, ampersands, text styles, property changes, children, glyph, directions.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/MessagePump.h"
#include "tests/win/controls/PanelFixture.h"
#include "ui/Button.h"

namespace {
const std::vector<std::string> kOneLine{"WWWW"};
constexpr int kLineStep = 13;  // MS Sans Serif, 11 pixels, bold: 13 high, no external leading

// Starts of the runs of rows that show colour, top to bottom.
std::vector<int> BandTops(const TPanelShot& shot, COLORREF colour) {
    std::vector<int> tops;
    bool previous = false;
    for (int y = 0; y < shot.Height(); ++y) {
        const bool here = shot.Shows(colour, RECT{0, y, shot.Width(), y + 1});
        if (here && !previous) tops.push_back(y);
        previous = here;
    }
    return tops;
}
}  // namespace

TEST_F(PanelTest, AfterKTicksTheFirstLineStandsKPixelsAboveTheTextBottom) {
    Start(kOneLine);
    EXPECT_EQ(Panel->TextRect().bottom, kTextRect.bottom);
    EXPECT_FALSE(Shot().Shows(kRed, RECT{0, 0, 481, 297}));  // at start nothing is visible
    int glyphOffset = -1;  // rows between a line's top and its first red row
    for (int k : {10, 11, 40, 150, 280}) {
        Ticks(k - Panel->ScrollPosition());
        const RECT red = Red();
        SCOPED_TRACE("after " + std::to_string(k) + " ticks");
        if (glyphOffset < 0) glyphOffset = red.top - (kTextRect.bottom - k);
        EXPECT_EQ(red.top, kTextRect.bottom - k + glyphOffset);
        EXPECT_LE(red.bottom, kTextRect.bottom);
    }
    EXPECT_GE(glyphOffset, 0);
    EXPECT_LE(glyphOffset, 4);
}

struct TRunEndCase {
    const char* name;
    bool cycled;
};

class PanelRunEnd : public PanelTest, public testing::WithParamInterface<TRunEndCase> {};

TEST_P(PanelRunEnd, AfterTheRunTheTextHasLeftThenThePanelStopsOrStartsAgain) {
    Panel->SetCycled(GetParam().cycled);
    Start({"WWWW", "WWWW"});
    const int length = 289 + 2 * kLineStep;
    ASSERT_EQ(Panel->ScrollLength(), length);
    Ticks(length - kLineStep);
    EXPECT_TRUE(Shot().Shows(kRed, RECT{4, 4, 477, 4 + kLineStep}));  // the last line at the top
    Ticks(kLineStep);
    EXPECT_FALSE(Shot().Shows(kRed, RECT{0, 0, 481, 297}));  // ... and now gone
    Ticks(1);
    DrainMessages();
    if (!GetParam().cycled) {
        EXPECT_FALSE(Panel->Active());
        EXPECT_FALSE(Panel->HasImage());
        UpdateWindow(Panel->Handle());
        const TPanelShot shot = Shot();
        EXPECT_FALSE(shot.Shows(kRed, RECT{0, 0, 481, 297}));
        EXPECT_EQ(shot.At(240, 150), ColorToRGB(clBtnFace));  // frame and background only
        EXPECT_EQ(shot.At(0, 0), ColorToRGB(clBtnShadow));
        EXPECT_EQ(shot.At(480, 296), ColorToRGB(clBtnHighlight));
    } else {
        EXPECT_TRUE(Panel->Active());
        EXPECT_EQ(Panel->ScrollPosition(), 0);
        Ticks(20);
        const int firstTop = BandTops(Shot(), kRed).at(0);
        EXPECT_GE(firstTop, kTextRect.bottom - 20);
        EXPECT_LE(firstTop, kTextRect.bottom - 20 + 4);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, PanelRunEnd,
                         testing::Values(TRunEndCase{"not_cycled", false}, TRunEndCase{"cycled", true}),
                         [](const testing::TestParamInfo<TRunEndCase>& info) { return info.param.name; });

TEST_F(PanelTest, LeadingBlankLinesAreSkippedAndTrailingOnesLengthenTheRun) {
    Start({"", "   ", "\t \x1f", "WWWW", "", ""});
    EXPECT_EQ(Panel->FirstLine(), 3);
    EXPECT_EQ(Panel->ScrollLength(), 289 + 3 * kLineStep);
    Ticks(40);
    const int top = Red().top;  // the first non-blank line enters first
    EXPECT_GE(top, kTextRect.bottom - 40);
    EXPECT_LE(top, kTextRect.bottom - 40 + 4);
}

TEST_F(PanelTest, LinesAreDrawnCutAt255Characters) {
    std::string s254;
    while (s254.size() < 254) s254 += s254.size() % 2 ? "." : "l";
    const std::string s255 = s254 + "l";
    auto shotOf = [&](const std::string& line) {
        Panel->SetLines({line});
        Ticks(100);
        return Shot();
    };
    Start({s255});
    const TPanelShot cut = shotOf(s255);
    EXPECT_TRUE(cut.Shows(kRed, kTextRect));
    EXPECT_TRUE(shotOf(s255 + "WWWWWWWWWWWWWWWW") == cut);  // centred by what is drawn
    EXPECT_FALSE(shotOf(s254) == cut);                     // one character less does show
}

TEST_F(PanelTest, AnAmpersandIsDrawnAsItself) {
    Start({"&"});
    Ticks(100);
    const RECT one = Red();
    ASSERT_GT(one.right - one.left, 2);
    Panel->SetLines({"&&"});
    Ticks(100);
    const RECT two = Red();
    EXPECT_GE(two.right - two.left, 2 * (one.right - one.left));
}

struct TStyleCase {
    const char* name;
    TBevelCut style;
    int step;
    int highlightShift;  // +1 below and right, -1 above and left, 0 none
};

class PanelTextStyle : public PanelTest, public testing::WithParamInterface<TStyleCase> {};

TEST_P(PanelTextStyle, StylesDrawTheirHighlightAndAddOnePixelToTheLineStep) {
    const TStyleCase& c = GetParam();
    Panel->SetTextStyle(c.style);
    Start({"WWWW", "WWWW"});
    EXPECT_EQ(Panel->LineStep(), c.step);
    Ticks(100);
    const TPanelShot shot = Shot();
    const std::vector<int> tops = BandTops(shot, kRed);
    ASSERT_EQ(tops.size(), 2u);
    EXPECT_EQ(tops[1] - tops[0], c.step);
    const COLORREF highlight = ColorToRGB(clBtnHighlight);
    const RECT red = shot.Extent(kRed, kTextRect);
    const RECT light = shot.Extent(highlight, kTextRect);
    if (c.highlightShift == 0) {
        EXPECT_EQ(light.right, 0);
    } else if (c.highlightShift > 0) {
        EXPECT_EQ(light.bottom, red.bottom + 1);
        EXPECT_EQ(light.right, red.right + 1);
    } else {
        EXPECT_EQ(light.top, red.top - 1);
        EXPECT_EQ(light.left, red.left - 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, PanelTextStyle,
                         testing::Values(TStyleCase{"none", bvNone, kLineStep, 0},
                                         TStyleCase{"lowered", bvLowered, kLineStep + 1, 1},
                                         TStyleCase{"raised", bvRaised, kLineStep + 1, -1},
                                         TStyleCase{"space", bvSpace, kLineStep + 1, 0}),
                         [](const testing::TestParamInfo<TStyleCase>& info) { return info.param.name; });

TEST_F(PanelTest, ChangingLinesRestartsTheRunAndChangingAlignmentKeepsIt) {
    Start(kOneLine);
    Ticks(50);
    Panel->Lines().Add("WWWW");
    EXPECT_EQ(Panel->ScrollPosition(), 0);
    Ticks(30);
    const struct {
        TAlignment alignment;
        int left, right;  // where the red must reach, -1 for anywhere
    } cases[] = {{taLeftJustify, 4, -1}, {taRightJustify, -1, 477}};
    for (const auto& c : cases) {
        const int position = Panel->ScrollPosition();
        Panel->SetAlignment(c.alignment);
        EXPECT_EQ(Panel->ScrollPosition(), position);
        UpdateWindow(Panel->Handle());
        Panel->ScrollStep();
        const RECT red = Red();
        if (c.left >= 0) EXPECT_LE(red.left, c.left + 1);
        if (c.right >= 0) EXPECT_GE(red.right, c.right - 1);
        EXPECT_LE(red.top, kTextRect.bottom - Panel->ScrollPosition() + 4);
    }
    EXPECT_EQ(Panel->ScrollPosition(), 32);
}

TEST_F(PanelTest, StoppingShowsAgainExactlyTheChildrenThatStartingHid) {
    TButton* children[3];
    for (int i = 0; i < 3; ++i) {
        children[i] = Panel->Create<TButton>();
        children[i]->SetBounds(20 + 80 * i, 20, 70, 25);
        children[i]->SetParent(Panel);
    }
    children[1]->Hide();
    for (int round = 0; round < 2; ++round) {
        Start(kOneLine);
        for (TButton* child : children) EXPECT_FALSE(IsWindowVisible(child->Handle()));
        Panel->StopScrolling();
        EXPECT_TRUE(IsWindowVisible(children[0]->Handle()));
        EXPECT_FALSE(IsWindowVisible(children[1]->Handle()));
        EXPECT_TRUE(IsWindowVisible(children[2]->Handle()));
    }
}

struct TDirectionCase {
    const char* name;
    TBiDiMode mode;
};

class PanelHorizontal : public PanelTest, public testing::WithParamInterface<TDirectionCase> {};

TEST_P(PanelHorizontal, TheCentredBlockCrossesAndTheRunEndsWhenItHasPassed) {
    const bool rightToLeft = GetParam().mode != bdLeftToRight;
    Panel->SetBiDiMode(GetParam().mode);
    Panel->SetScrollDirection(sdHorizontal);
    Panel->SetAlignment(taLeftJustify);
    Start({"", "WW", "WWWWWW"});
    const RECT text = Panel->TextRect();
    const int spare = 289 - 2 * kLineStep;  // two lines after the blank one, centred
    EXPECT_EQ(text.top, 4 + spare / 2);
    EXPECT_EQ(text.bottom, 293 - spare / 2);
    EXPECT_EQ(text.left, 4);
    EXPECT_EQ(text.right, 477);
    const int widest = Panel->ScrollLength() - 473;
    EXPECT_GT(widest, 30);
    Ticks(100);
    const RECT red = Red();
    EXPECT_GE(red.top, text.top);
    EXPECT_LE(red.bottom, text.bottom);
    if (rightToLeft) {
        EXPECT_LE(red.right, 4 + 100);  // it enters at the left edge and moves right
        EXPECT_GE(red.right, 4 + 100 - 3);
    } else {
        EXPECT_GE(red.left, 477 - 100);  // it enters at the right edge and moves left
        EXPECT_LE(red.left, 477 - 100 + 2);
    }
    Ticks(Panel->ScrollLength() - 100 - widest / 2);
    EXPECT_TRUE(Shot().Shows(kRed, kTextRect));
    Ticks(widest / 2);
    EXPECT_FALSE(Shot().Shows(kRed, RECT{0, 0, 481, 297}));
    EXPECT_TRUE(Panel->Active());
    Ticks(1);
    EXPECT_FALSE(Panel->Active());
}

INSTANTIATE_TEST_SUITE_P(Cases, PanelHorizontal,
                         testing::Values(TDirectionCase{"left_to_right", bdLeftToRight},
                                         TDirectionCase{"right_to_left", bdRightToLeft}),
                         [](const testing::TestParamInfo<TDirectionCase>& info) { return info.param.name; });
