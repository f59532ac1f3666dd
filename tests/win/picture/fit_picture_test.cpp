// FitPictureFile: fitted copies written to disk, their size, form and likeness, and its quiet cases.
#include <gtest/gtest.h>

#include <cstdio>

#include <jpeglib.h>
#include <jerror.h>

#include "PictureTestFiles.h"
#include "picture/FitPicture.h"
#include "picture/JpegImage.h"
#include "tests/support/TestFiles.h"

namespace {

struct TFitCase {
    int w, h, maxWidth, maxHeight;
    int fittedWidth, fittedHeight;
};

// The copy shown in the window has exactly the fitted size, whichever way the picture lies.
TEST(FitPictureFile, WritesACopyOfTheFittedSize) {
    const TFitCase cases[] = {
        {800, 601, 400, 300, 400, 300}, {100, 80, 400, 300, 375, 300}, {300, 400, 400, 300, 225, 300},
        {1000, 100, 400, 300, 400, 40}, {1, 1, 400, 300, 300, 300},    {640, 480, 400, 300, 400, 300},
        {640, 480, 680, 500, 667, 500}, {287, 57, 225, 57, 225, 45},   {57, 57, 225, 57, 57, 57},
        {1200, 800, 521, 297, 446, 297},
    };
    TScratchFolder folder;
    for (const TFitCase& c : cases) {
        const std::string source = WriteJpeg(folder, "source.jpg", MakeGradient(c.w, c.h));
        const std::string target = folder / "Tempsxconvert.jpg";
        FitPictureFile(source, target, c.maxWidth, c.maxHeight);
        const TDecodedJpeg copy = ReadJpeg(target);
        EXPECT_EQ(copy.image.width, c.fittedWidth) << c.w << "x" << c.h << " in " << c.maxWidth << "x" << c.maxHeight;
        EXPECT_EQ(copy.image.height, c.fittedHeight) << c.w << "x" << c.h << " in " << c.maxWidth << "x" << c.maxHeight;
    }
}

// A progressive picture gives a progressive copy and a baseline one a baseline copy.
TEST(FitPictureFile, KeepsTheSourcesProgressiveOrBaselineForm) {
    TScratchFolder folder;
    for (bool progressive : {false, true, false}) {
        const std::string source = WriteJpeg(folder, "source.jpg", MakeSunset(320, 200), progressive);
        FitPictureFile(source, folder / "copy.jpg", 400, 300);
        const TDecodedJpeg copy = ReadJpeg(folder / "copy.jpg");
        EXPECT_EQ(copy.progressive, progressive);
        EXPECT_EQ(copy.scans > 1, progressive);
    }
}

// The copy shows the same picture: each region has the colour of the same region of the source,
// whether the picture is reduced or enlarged (so a mirrored, turned or garbled copy fails).
TEST(FitPictureFile, CopyLooksLikeTheSource) {
    struct TLikeness {
        int w, h, maxWidth, maxHeight;
        bool progressive;
    };
    const TLikeness cases[] = {
        {1600, 1200, 400, 300, false}, {120, 90, 680, 500, false}, {300, 500, 400, 300, true},
        {1023, 767, 680, 500, true},   {287, 57, 225, 57, false},
    };
    TScratchFolder folder;
    for (const TLikeness& c : cases) {
        const TRgbImage picture = MakeQuadrants(c.w, c.h);
        const std::string source = WriteJpeg(folder, "source.jpg", picture, c.progressive);
        FitPictureFile(source, folder / "copy.jpg", c.maxWidth, c.maxHeight);
        const TRgbImage copy = ReadJpeg(folder / "copy.jpg").image;
        const auto expected = BlockMeans(picture, 4, 4);
        const auto actual = BlockMeans(copy, 4, 4);
        for (std::size_t i = 0; i < expected.size(); ++i)
            for (int k = 0; k < 3; ++k)
                EXPECT_NEAR(actual[i][k], expected[i][k], 14.0)
                    << c.w << "x" << c.h << " block " << i << " component " << k;
    }
}

// A missing source leaves an existing target as it was; an empty source removes it without a copy.
TEST(FitPictureFile, MissingOrEmptySourceWritesNoCopy) {
    TScratchFolder folder;
    const TBytes oldCopy = BytesOf("previous copy");
    ASSERT_TRUE(WriteBytesFile(folder / "copy.jpg", oldCopy));
    FitPictureFile(folder / "missing.jpg", folder / "copy.jpg", 400, 300);
    EXPECT_EQ(ReadBytesFile(folder / "copy.jpg"), oldCopy);

    ASSERT_TRUE(WriteBytesFile(folder / "empty.jpg", {}));
    EXPECT_NO_THROW(FitPictureFile(folder / "empty.jpg", folder / "copy.jpg", 400, 300));
    EXPECT_FALSE(ReadBytesFile(folder / "copy.jpg").has_value());
}

// A file that is not a JPEG picture raises the decoder's "JPEG error #<code>" and leaves no copy.
TEST(FitPictureFile, NonJpegSourceRaisesTheDecodersError) {
    struct TBadFile {
        const char* what;
        TBytes bytes;
        int code;
    };
    const TBadFile cases[] = {
        {"text", BytesOf("This is not a picture at all"), JERR_NO_SOI},
        {"sound", BytesOf("RIFF....WAVEfmt "), JERR_NO_SOI},
        {"start marker only", TBytes{0xFF, 0xD8}, JERR_NO_IMAGE},  // the end comes before any frame
    };
    TScratchFolder folder;
    for (const TBadFile& c : cases) {
        ASSERT_TRUE(WriteBytesFile(folder / "Tempsx.jpg", c.bytes));
        ASSERT_TRUE(WriteBytesFile(folder / "copy.jpg", BytesOf("old")));
        try {
            FitPictureFile(folder / "Tempsx.jpg", folder / "copy.jpg", 400, 300);
            ADD_FAILURE() << c.what << ": no error";
        } catch (const EJPEG& error) {
            EXPECT_STREQ(error.what(), ("JPEG error #" + std::to_string(c.code)).c_str()) << c.what;
        }
        EXPECT_FALSE(ReadBytesFile(folder / "copy.jpg").has_value()) << c.what;
    }
}

}  // namespace
