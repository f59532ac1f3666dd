// FitScale: fitted picture sizes for the viewer's boxes and the fit-and-touch rule on random sizes.
#include "picture/FitScale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

struct TFitCase {
    int w, h, maxWidth, maxHeight;
    int fittedWidth, fittedHeight;
};

// Each row is a picture whose fitted copy a user would see at the wrong size if the rule broke.
TEST(FitScale, GivesTheFittedSizeForTheViewersBoxes) {
    const TFitCase cases[] = {
        {800, 601, 400, 300, 400, 300},   // round(300.5) ties to even 300: the width stays 400
        {100, 80, 400, 300, 375, 300},    // smaller pictures are enlarged
        {300, 400, 400, 300, 225, 300},   // portrait
        {1000, 100, 400, 300, 400, 40},   // wide strip
        {1, 1, 400, 300, 300, 300},       // square: the box's height
        {640, 480, 400, 300, 400, 300},
        {640, 480, 680, 500, 667, 500},   // 680/640 would make it 510 high
        {287, 57, 225, 57, 225, 45},      // maker's picture in the main window
        {57, 57, 225, 57, 57, 57},        // square maker's picture
        {300, 300, 200, 500, 500, 500},   // a square takes the box's height, with no test of the width
        {800, 800, 225, 57, 57, 57},
        {1200, 800, 521, 297, 446, 297},  // author details window
        {600, 4000, 680, 500, 75, 500},   // tall strip
        {6000, 4000, 680, 500, 680, 453},
        {400, 300, 400, 300, 400, 300},   // already fitting exactly
    };
    for (const TFitCase& c : cases) {
        const TFitSize size = FitScale(c.w, c.h, c.maxWidth, c.maxHeight);
        EXPECT_EQ(size.width, c.fittedWidth) << c.w << "x" << c.h << " in " << c.maxWidth << "x" << c.maxHeight;
        EXPECT_EQ(size.height, c.fittedHeight) << c.w << "x" << c.h << " in " << c.maxWidth << "x" << c.maxHeight;
    }
}

// Degenerate inputs never give a zero-sized or oversized bitmap.
TEST(FitScale, KeepsThinPicturesOnePixelThickAndRefusesEmptyBoxes) {
    const TFitCase cases[] = {
        {10000, 1, 400, 300, 400, 1},     // 0.04 rounds to 0: kept at 1 pixel
        {1, 10000, 400, 300, 1, 300},
        {0, 100, 400, 300, 0, 0},
        {100, 0, 400, 300, 0, 0},
        {100, 100, 0, 300, 0, 0},
        {100, 100, 400, -5, 0, 0},
    };
    for (const TFitCase& c : cases) {
        const TFitSize size = FitScale(c.w, c.h, c.maxWidth, c.maxHeight);
        EXPECT_EQ(size.width, c.fittedWidth) << c.w << "x" << c.h << " in " << c.maxWidth << "x" << c.maxHeight;
        EXPECT_EQ(size.height, c.fittedHeight) << c.w << "x" << c.h << " in " << c.maxWidth << "x" << c.maxHeight;
    }
}

// Whatever the sizes, the copy lies inside the box and touches it on one side, and keeps the
// picture's aspect ratio to within the rounding of one pixel.
TEST(FitScale, AlwaysFitsTheBoxAndTouchesItOnOneSide) {
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> side(1, 8000);
    std::uniform_int_distribution<int> boxSide(1, 1500);
    for (int i = 0; i < 200000; ++i) {
        const int w = side(random), h = side(random);
        const int maxWidth = boxSide(random), maxHeight = boxSide(random);
        if (w == h && maxHeight > maxWidth) continue;  // squares take the height of any box
        const TFitSize size = FitScale(w, h, maxWidth, maxHeight);
        ASSERT_GE(size.width, 1);
        ASSERT_GE(size.height, 1);
        ASSERT_LE(size.width, maxWidth) << w << "x" << h << " in " << maxWidth << "x" << maxHeight;
        ASSERT_LE(size.height, maxHeight) << w << "x" << h << " in " << maxWidth << "x" << maxHeight;
        ASSERT_TRUE(size.width == maxWidth || size.height == maxHeight)
            << w << "x" << h << " in " << maxWidth << "x" << maxHeight << " gave " << size.width << "x"
            << size.height;
        // The side that touches the box fixes the scale; the other follows it to within half a pixel
        // (thin pictures kept at one pixel aside).
        const bool byWidth = size.width == maxWidth &&
                             (size.height == 1 || std::abs(size.height - double(h) * maxWidth / w) <= 0.5 + 1e-9);
        const bool byHeight = size.height == maxHeight &&
                              (size.width == 1 || std::abs(size.width - double(w) * maxHeight / h) <= 0.5 + 1e-9);
        ASSERT_TRUE(byWidth || byHeight) << w << "x" << h << " in " << maxWidth << "x" << maxHeight << " gave "
                                         << size.width << "x" << size.height;
    }
}

}  // namespace
