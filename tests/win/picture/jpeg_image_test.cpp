// TJPEGImage: header-only loading, full-size decoding, stretched drawing, bitmap hand-over and saving.
#include <gtest/gtest.h>

#include "PictureTestFiles.h"
#include "sys/GdiObjects.h"
#include "picture/JpegImage.h"
#include "tests/support/TestFiles.h"

namespace {

// A memory DC holding a screen-format bitmap, as the fitting draws into.
struct TCanvas {
    TClientDC screen{nullptr};
    TBitmapHandle bitmap;
    TMemDC memory{screen.Get()};
    TCanvas(int width, int height) : bitmap(CreateCompatibleBitmap(screen.Get(), width, height)) {}
    // Draws the picture over the whole bitmap and returns the bitmap's pixels.
    TRgbImage Draw(const TJPEGImage& jpeg, int width, int height) {
        {
            TSelectGuard select(memory.Get(), bitmap.Get());
            jpeg.StretchDraw(memory.Get(), RECT{0, 0, width, height});
        }
        return BitmapPixels(bitmap.Get());
    }
};

// Loading reports the picture's size and form from the header, for colour, grey and odd sizes.
TEST(TJPEGImage, LoadReportsSizeAndProgressiveForm) {
    struct TCase {
        int w, h;
        bool progressive;
    };
    const TCase cases[] = {{640, 480, false}, {480, 640, true}, {1, 1, false}, {333, 17, true}};
    TScratchFolder folder;
    for (const TCase& c : cases) {
        TJPEGImage jpeg;
        jpeg.LoadFromFile(WriteJpeg(folder, "p.jpg", MakeGradient(c.w, c.h), c.progressive));
        EXPECT_EQ(jpeg.Width(), c.w);
        EXPECT_EQ(jpeg.Height(), c.h);
        EXPECT_EQ(jpeg.ProgressiveEncoding(), c.progressive);
    }
}

// An empty file is an empty picture of 0 x 0 pixels, not an error; a missing file is an error.
TEST(TJPEGImage, EmptyFileIsAnEmptyPictureAndMissingFileAnError) {
    TScratchFolder folder;
    ASSERT_TRUE(WriteBytesFile(folder / "empty.jpg", {}));
    TJPEGImage jpeg;
    jpeg.LoadFromFile(WriteJpeg(folder, "p.jpg", MakeGradient(50, 40)));
    jpeg.LoadFromFile(folder / "empty.jpg");
    EXPECT_EQ(jpeg.Width(), 0);
    EXPECT_EQ(jpeg.Height(), 0);
    EXPECT_FALSE(jpeg.ToBitmap());
    EXPECT_THROW(jpeg.LoadFromFile(folder / "missing.jpg"), std::runtime_error);
}

// The full-size bitmap has exactly libjpeg's accurate decode, top row first, in the right colours.
TEST(TJPEGImage, ToBitmapGivesTheAccurateFullSizeDecode) {
    TScratchFolder folder;
    for (bool progressive : {false, true}) {
        const std::string path = WriteJpeg(folder, "p.jpg", MakeSunset(203, 117), progressive, 75);
        TJPEGImage jpeg;
        jpeg.LoadFromFile(path);
        const TBitmapHandle bitmap = jpeg.ToBitmap();
        ASSERT_TRUE(bitmap);
        const TRgbImage pixels = BitmapPixels(bitmap.Get());
        const TRgbImage expected = ReadJpeg(path).image;
        ASSERT_EQ(pixels.width, expected.width);
        ASSERT_EQ(pixels.height, expected.height);
        EXPECT_TRUE(pixels.rgb == expected.rgb) << "progressive " << progressive;
    }
}

// A picture control's copy stays the picture it copied when the shared object loads the next file.
TEST(TJPEGImage, CopyKeepsItsOwnPicture) {
    TScratchFolder folder;
    TJPEGImage shared;
    shared.LoadFromFile(WriteJpeg(folder, "a.jpg", MakeQuadrants(64, 48), true));
    const TJPEGImage copy = shared;
    shared.LoadFromFile(WriteJpeg(folder, "b.jpg", MakeCheckerboard(30, 90, 5)));
    EXPECT_EQ(copy.Width(), 64);
    EXPECT_EQ(copy.Height(), 48);
    EXPECT_TRUE(copy.ProgressiveEncoding());
    const TRgbImage pixels = BitmapPixels(copy.ToBitmap().Get());
    EXPECT_TRUE(pixels.rgb == ReadJpeg(folder / "a.jpg").image.rgb);
}

// Stretching drops or repeats pixels and never blends them: an enlarged checkerboard stays pure
// black and white, each cell repeated as a block.
TEST(TJPEGImage, StretchDrawRepeatsPixelsWithoutSmoothing) {
    TScratchFolder folder;
    TCanvas source(8, 6);
    {
        // An exact one-pixel checkerboard, taken over from a bitmap rather than decoded.
        TSelectGuard select(source.memory.Get(), source.bitmap.Get());
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 8; ++x) SetPixel(source.memory.Get(), x, y, (x + y) % 2 ? RGB(255, 255, 255) : RGB(0, 0, 0));
    }
    TJPEGImage jpeg;
    jpeg.AssignBitmap(source.bitmap.Get());
    TCanvas target(24, 18);
    const TRgbImage drawn = target.Draw(jpeg, 24, 18);
    for (int y = 0; y < 18; ++y)
        for (int x = 0; x < 24; ++x) {
            const int expected = ((x / 3 + y / 3) % 2) ? 255 : 0;
            ASSERT_EQ(drawn.At(x, y)[0], expected) << x << "," << y;
            ASSERT_EQ(drawn.At(x, y)[1], expected) << x << "," << y;
        }
}

// Drawing a decoded picture reduced shows it the right way up and round, region by region.
TEST(TJPEGImage, StretchDrawShowsTheDecodedPictureInPlace) {
    TScratchFolder folder;
    const TRgbImage picture = MakeQuadrants(900, 600);
    TJPEGImage jpeg;
    jpeg.LoadFromFile(WriteJpeg(folder, "q.jpg", picture));
    TCanvas canvas(300, 200);
    const TRgbImage drawn = canvas.Draw(jpeg, 300, 200);
    const auto expected = BlockMeans(picture, 6, 4), actual = BlockMeans(drawn, 6, 4);
    for (std::size_t i = 0; i < expected.size(); ++i)
        for (int k = 0; k < 3; ++k) EXPECT_NEAR(actual[i][k], expected[i][k], 12.0) << "block " << i;
}

// Saving encodes the taken-over pixels with libjpeg's defaults at quality 90, progressive exactly
// when the last loaded file was: byte for byte what libjpeg itself makes of those pixels.
TEST(TJPEGImage, SaveEncodesAtQuality90InTheLoadedForm) {
    TScratchFolder folder;
    for (bool progressive : {false, true}) {
        TJPEGImage jpeg;
        jpeg.LoadFromFile(WriteJpeg(folder, "src.jpg", MakeFlower(120, 120), progressive));
        TCanvas canvas(77, 51);
        const TRgbImage drawn = canvas.Draw(jpeg, 77, 51);
        jpeg.AssignBitmap(canvas.bitmap.Get());
        EXPECT_EQ(jpeg.Width(), 77);
        EXPECT_EQ(jpeg.Height(), 51);
        EXPECT_EQ(jpeg.ProgressiveEncoding(), progressive);
        jpeg.SaveToFile(folder / "saved.jpg");
        const auto saved = ReadBytesFile(folder / "saved.jpg");
        ASSERT_TRUE(saved);
        EXPECT_TRUE(*saved == EncodeRgbJpeg(drawn, 90, progressive)) << "progressive " << progressive;
        EXPECT_EQ(DecodeRgbJpeg(*saved).progressive, progressive);
    }
}

// A loaded picture saved without drawing is re-encoded at quality 90 in its own form.
TEST(TJPEGImage, SaveOfALoadedPictureReencodesIt) {
    TScratchFolder folder;
    const std::string path = WriteJpeg(folder, "src.jpg", MakeAurora(160, 90), true, 60);
    TJPEGImage jpeg;
    jpeg.LoadFromFile(path);
    jpeg.SaveToFile(folder / "saved.jpg");
    const auto saved = ReadBytesFile(folder / "saved.jpg");
    ASSERT_TRUE(saved);
    EXPECT_TRUE(*saved == EncodeRgbJpeg(ReadJpeg(path).image, 90, true));
}

// Inks of the eight cells of a four-colour test picture and the colour each prints as.
struct TInkCell {
    const char* name;
    std::uint8_t c, m, y, k;
    int r, g, b;
};
const TInkCell kInkCells[] = {
    {"no ink", 0, 0, 0, 0, 255, 255, 255},     {"cyan", 255, 0, 0, 0, 0, 255, 255},
    {"magenta", 0, 255, 0, 0, 255, 0, 255},    {"yellow", 0, 0, 255, 0, 255, 255, 0},
    {"black", 0, 0, 0, 255, 0, 0, 0},          {"magenta and yellow", 0, 255, 255, 0, 255, 0, 0},
    {"cyan and yellow", 255, 0, 255, 0, 0, 255, 0}, {"half black", 0, 0, 0, 128, 127, 127, 127},
};
constexpr int kCell = 16;

// Four-colour pictures (CMYK, YCCK; plain and Adobe's inverted inks) are drawn in the colours
// their inks print as.
TEST(TJPEGImage, FourColourPicturesShowTheColoursOfTheirInks) {
    const int width = 4 * kCell, height = 2 * kCell;
    std::vector<std::uint8_t> cmyk(static_cast<std::size_t>(width) * height * 4);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const TInkCell& cell = kInkCells[(y / kCell) * 4 + x / kCell];
            std::uint8_t* p = &cmyk[(static_cast<std::size_t>(y) * width + x) * 4];
            p[0] = cell.c, p[1] = cell.m, p[2] = cell.y, p[3] = cell.k;
        }
    TScratchFolder folder;
    for (const auto& [formName, form] : {std::pair{"plain CMYK", TCmykForm::plainCmyk},
                                         std::pair{"Adobe CMYK", TCmykForm::adobeCmyk},
                                         std::pair{"Adobe YCCK", TCmykForm::adobeYcck}}) {
        SCOPED_TRACE(formName);
        ASSERT_TRUE(WriteBytesFile(folder / "cmyk.jpg", EncodeCmykJpeg(cmyk, width, height, form)));
        TJPEGImage jpeg;
        jpeg.LoadFromFile(folder / "cmyk.jpg");
        EXPECT_EQ(jpeg.Width(), width);
        EXPECT_EQ(jpeg.Height(), height);
        TBitmapHandle bitmap = jpeg.ToBitmap();
        ASSERT_TRUE(bitmap);
        const TRgbImage pixels = BitmapPixels(bitmap.Get());
        for (int i = 0; i < 8; ++i) {
            const TInkCell& cell = kInkCells[i];
            const int x0 = (i % 4) * kCell, y0 = (i / 4) * kCell;
            const TMeanColour mean = MeanColour(pixels, x0 + 4, y0 + 4, x0 + kCell - 4, y0 + kCell - 4);
            EXPECT_NEAR(mean[0], cell.r, 6) << cell.name;
            EXPECT_NEAR(mean[1], cell.g, 6) << cell.name;
            EXPECT_NEAR(mean[2], cell.b, 6) << cell.name;
        }
        // Drawn stretched, as the fitting draws it, the colours are the same.
        TCanvas canvas(width, height);
        const TRgbImage drawn = canvas.Draw(jpeg, width, height);
        const TMeanColour red = MeanColour(drawn, kCell + 4, kCell + 4, 2 * kCell - 4, 2 * kCell - 4);
        EXPECT_NEAR(red[0], 255, 6);
        EXPECT_NEAR(red[1], 0, 6);
    }
}

// A picture that ImageMagick turned into CMYK, as print workflows make them, shows its colours.
TEST(TJPEGImage, CmykPictureFromImageMagickShowsItsColours) {
    const std::string path = FileBesideProgram("magick\\cmyk_quadrants.jpg");
    ASSERT_NE(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES) << path << " was not made by the build";
    TJPEGImage jpeg;
    jpeg.LoadFromFile(path);
    ASSERT_EQ(jpeg.Width(), 64);
    ASSERT_EQ(jpeg.Height(), 64);
    TBitmapHandle bitmap = jpeg.ToBitmap();
    ASSERT_TRUE(bitmap);
    const TRgbImage pixels = BitmapPixels(bitmap.Get());
    // Red, lime / blue, white, from the top left.
    const int expected[4][3] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}};
    for (int q = 0; q < 4; ++q) {
        const int x0 = (q % 2) * 32, y0 = (q / 2) * 32;
        const TMeanColour mean = MeanColour(pixels, x0 + 8, y0 + 8, x0 + 24, y0 + 24);
        for (int c = 0; c < 3; ++c) EXPECT_NEAR(mean[c], expected[q][c], 8) << "quadrant " << q << " channel " << c;
    }
}

}  // namespace
