// Damaged, hostile and oversized JPEG files: errors or partial pictures, never a crash, hang or leak.
#include <gtest/gtest.h>

#include "PictureTestFiles.h"
#include "picture/FitPicture.h"
#include "sys/GdiObjects.h"
#include "picture/JpegImage.h"
#include "sys/SysError.h"
#include "tests/support/TestFiles.h"

namespace {

// Loads the file and, when that works, draws it small and fits it, as a display would. Returns
// whether a picture came through; EJPEG counts as a clean refusal, anything else fails the test.
bool ShowAndFit(const TScratchFolder& folder, const std::string& path) {
    bool shown = false;
    try {
        TJPEGImage jpeg;
        jpeg.LoadFromFile(path);
        TClientDC screen(nullptr);
        TBitmapHandle bitmap(CreateCompatibleBitmap(screen.Get(), 40, 30));
        TMemDC memory(screen.Get());
        TSelectGuard select(memory.Get(), bitmap.Get());
        jpeg.StretchDraw(memory.Get(), RECT{0, 0, 40, 30});
        shown = !jpeg.Empty();
    } catch (const EJPEG&) {
    }
    try {
        FitPictureFile(path, folder / "fitted.jpg", 225, 57);
    } catch (const EJPEG&) {
    }
    return shown;
}

// A thousand damaged files are each refused or shown in part; the program's memory and GDI
// objects stay as they were, so a viewer browsing bad files does not slowly run out of either.
TEST(DamagedJpeg, AThousandDamagedFilesNeitherCrashNorLeak) {
    TScratchFolder folder;
    const std::vector<TBytes> files = DamagedFiles();
    ASSERT_GE(files.size(), 1000u);
    // The measures see what they are meant to: objects made and memory taken show in them.
    {
        const DWORD gdi = GdiObjectCount();
        const std::size_t memory = PrivateBytes();
        TBrushHandle brushes[5];
        for (auto& brush : brushes) brush.Reset(CreateSolidBrush(RGB(1, 2, 3)));
        std::vector<char> block(16 * 1024 * 1024, 1);
        ASSERT_GE(GdiObjectCount(), gdi + 5);
        ASSERT_GE(PrivateBytes(), memory + block.size());
    }
    // Warm up the heaps and the GDI caches before taking the measure.
    for (std::size_t i = 0; i < 60; ++i) {
        ASSERT_TRUE(WriteBytesFile(folder / "bad.jpg", files[i]));
        ShowAndFit(folder, folder / "bad.jpg");
    }
    const DWORD gdiBefore = GdiObjectCount();
    const std::size_t memoryBefore = PrivateBytes();
    int shown = 0;
    for (const TBytes& file : files) {
        ASSERT_TRUE(WriteBytesFile(folder / "bad.jpg", file));
        shown += ShowAndFit(folder, folder / "bad.jpg") ? 1 : 0;
    }
    const DWORD gdiAfter = GdiObjectCount();
    const std::size_t memoryAfter = PrivateBytes();
    EXPECT_LE(gdiAfter, gdiBefore + 10) << "GDI objects";
    EXPECT_LT(memoryAfter, memoryBefore + 8 * 1024 * 1024) << "private bytes " << memoryBefore << " -> " << memoryAfter;
    // Both outcomes happen: some damage only spoils part of the picture, some is refused.
    EXPECT_GT(shown, 100);
    EXPECT_LT(shown, static_cast<int>(files.size()));
    std::printf("%zu damaged files, %d shown in part or whole; GDI objects %lu -> %lu, private bytes %zu -> %zu\n",
                files.size(), shown, gdiBefore, gdiAfter, memoryBefore, memoryAfter);
}

// A truncated picture shows what arrived: the top as it was, the missing rest filled in grey.
TEST(DamagedJpeg, TruncatedPictureShowsItsTopPart) {
    TScratchFolder folder;
    const TRgbImage picture = MakeQuadrants(256, 256);
    const TBytes whole = EncodeRgbJpeg(picture, 90, false);
    ASSERT_TRUE(WriteBytesFile(folder / "cut.jpg", TBytes(whole.begin(), whole.begin() + whole.size() / 2)));
    TJPEGImage jpeg;
    jpeg.LoadFromFile(folder / "cut.jpg");
    const TRgbImage pixels = BitmapPixels(jpeg.ToBitmap().Get());
    const TMeanColour top = MeanColour(pixels, 0, 0, 128, 32), bottom = MeanColour(pixels, 0, 224, 256, 256);
    EXPECT_NEAR(top[0], 220, 15);
    EXPECT_NEAR(top[1], 30, 15);
    for (double c : bottom) EXPECT_NEAR(c, 128, 10);
}

// A header declaring a gigantic picture is refused with an error before memory is taken for it.
TEST(DamagedJpeg, HugeDeclaredSizeIsRefused) {
    struct TCase {
        int w, h;
        bool progressive;
    };
    const TCase cases[] = {{60000, 60000, false}, {60000, 60000, true}, {65500, 1600, false}, {12000, 9000, true}};
    TScratchFolder folder;
    const TRgbImage small = MakeGradient(64, 64);
    for (const TCase& c : cases) {
        const std::string path = folder / "huge.jpg";
        ASSERT_TRUE(WriteBytesFile(path, WithDeclaredSize(EncodeRgbJpeg(small, 80, c.progressive), c.w, c.h)));
        TJPEGImage jpeg;
        jpeg.LoadFromFile(path);
        EXPECT_EQ(jpeg.Width(), c.w);
        EXPECT_EQ(jpeg.Height(), c.h);
        EXPECT_THROW(jpeg.ToBitmap(), EJPEG);
        try {
            FitPictureFile(path, folder / "fitted.jpg", 680, 500);
            ADD_FAILURE() << c.w << "x" << c.h << ": no error";
        } catch (const EJPEG& error) {
            EXPECT_NE(std::string(error.what()).find("too large"), std::string::npos) << error.what();
        }
        EXPECT_FALSE(ReadBytesFile(folder / "fitted.jpg").has_value());
    }
}

// A progressive file made of thousands of scans is refused once it passes the scan limit; one
// with a few hundred scans still shows.
TEST(DamagedJpeg, ThousandsOfScansAreRefused) {
    TScratchFolder folder;
    const TBytes progressive = EncodeRgbJpeg(MakeAurora(512, 384), 80, true);
    const int normalScans = DecodeRgbJpeg(progressive).scans;
    ASSERT_GT(normalScans, 1);

    ASSERT_TRUE(WriteBytesFile(folder / "many.jpg", WithRepeatedLastScan(progressive, 300)));
    TJPEGImage jpeg;
    jpeg.LoadFromFile(folder / "many.jpg");
    EXPECT_TRUE(jpeg.ToBitmap());

    ASSERT_TRUE(WriteBytesFile(folder / "flood.jpg", WithRepeatedLastScan(progressive, 20000)));
    jpeg.LoadFromFile(folder / "flood.jpg");
    try {
        FitPictureFile(folder / "flood.jpg", folder / "fitted.jpg", 680, 500);
        ADD_FAILURE() << "no error";
    } catch (const EJPEG& error) {
        EXPECT_STREQ(error.what(), "JPEG picture has more than 1000 scans");
    }
    EXPECT_FALSE(ReadBytesFile(folder / "fitted.jpg").has_value());
}

}  // namespace
