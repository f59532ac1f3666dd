// A Sonpix file named on the command line appears on the screen: fitted, centred picture, maker's
// picture, and the error box for a picture that is no JPEG.
#include <gtest/gtest.h>

#include "app/ControlIds.h"
#include "tests/support/JpegCodec.h"
#include "tests/support/SampleImages.h"
#include "tests/win/e2e/DisplayScreen.h"
#include "tests/win/e2e/MessageBoxProbe.h"
#include "tests/win/e2e/SampleFiles.h"
#include "tests/win/e2e/ViewerTest.h"
#include "tests/win/e2e/WindowProbe.h"
#include "tests/support/TestFiles.h"

namespace {

class TDisplayOnScreenTest : public TViewerTest {
protected:
    // Starts the viewer on a Sonpix file made of these parts; the main window, or null.
    HWND StartOn(const std::string& name, const TSonpixFileParts& parts) {
        const std::string file = m_scratch.Make(name);
        EXPECT_TRUE(WriteSonpix(file, parts)) << file;
        return StartAndWaitForMainWindow(Quoted(file));
    }
};
using DisplayOnScreen = TDisplayOnScreenTest;

// The first tick comes 500 ms after the window is built; the display then takes a moment.
constexpr int kDisplayTimeoutMs = 5000;
constexpr int kColourTolerance = 48;

const TRgb kMakerColour{200, 40, 180};

TSonpixFileParts Parts(TBytes picture, std::optional<TBytes> makerPicture) {
    TSonpixFileParts parts;
    parts.picture = std::move(picture);
    parts.sound = SampleWav(440.0);
    parts.makerPicture = std::move(makerPicture);
    parts.makerText = std::string("Фотограф");
    return parts;
}

struct TPlacement {
    int pictureWidth, pictureHeight;  // the picture in the file
    int left, top, width, height;     // where its fitted copy stands in Image1 (680 x 500)
};

TEST_F(DisplayOnScreen, PictureAppearsFittedAndCentredWithTheMakersPictureAtTheTopLeft) {
    const TPlacement cases[] = {
        {1000, 400, 0, 114, 680, 272},  // landscape: fills the width, margins above and below
        {300, 400, 152, 0, 375, 500},   // portrait: fills the height, margins left and right
    };
    for (const TPlacement& c : cases) {
        SCOPED_TRACE(std::to_string(c.pictureWidth) + " x " + std::to_string(c.pictureHeight));
        HWND main = StartOn("quadrants.sonpix", Parts(EncodeRgbJpeg(MakeQuadrants(c.pictureWidth, c.pictureHeight), 90, false),
                                                      FlatJpeg(287, 57, kMakerColour)));
        ASSERT_NE(main, nullptr);
        HWND image1 = Control(main, idImage1);
        HWND image2 = Control(main, idImage2);
        ASSERT_TRUE(image1 && image2);
        ASSERT_EQ(ScreenBounds(image1).width, 680);

        const TQuadrantProbe& first = kQuadrantProbes[0];
        const int firstX = c.left + static_cast<int>(first.fx * c.width);
        const int firstY = c.top + static_cast<int>(first.fy * c.height);
        ASSERT_TRUE(WaitUntil([&] { return NearColour(TScreenPixels(image1).At(firstX, firstY), first.colour, kColourTolerance); },
                              kDisplayTimeoutMs))
            << "no picture in Image1; at " << firstX << "," << firstY << " the screen shows "
            << ToString(TScreenPixels(image1).At(firstX, firstY));
        // The same pass of the message queue paints Image2; give the X server a moment to show it.
        PauseMs(200);

        const TScreenPixels picture(image1);
        ASSERT_TRUE(picture.Valid());
        for (const TQuadrantProbe& probe : kQuadrantProbes) {
            const int x = c.left + static_cast<int>(probe.fx * c.width), y = c.top + static_cast<int>(probe.fy * c.height);
            EXPECT_TRUE(NearColour(picture.At(x, y), probe.colour, kColourTolerance))
                << "at " << x << "," << y << " the screen shows " << ToString(picture.At(x, y)) << " instead of "
                << ToString(probe.colour);
        }
        // The picture's edges stand exactly where the fitted size and the centring put them.
        const TRgb face = ButtonFaceColour();
        const int upperY = c.top + c.height / 4, lowerY = c.top + c.height * 3 / 4;
        const int leftX = c.left + c.width / 4, rightX = c.left + c.width * 3 / 4;
        EXPECT_FALSE(NearColour(picture.At(c.left, upperY), face, 8)) << "first column";
        EXPECT_FALSE(NearColour(picture.At(c.left + c.width - 1, lowerY), face, 8)) << "last column";
        EXPECT_FALSE(NearColour(picture.At(leftX, c.top), face, 8)) << "first row";
        EXPECT_FALSE(NearColour(picture.At(rightX, c.top + c.height - 1), face, 8)) << "last row";
        if (c.left > 0) {
            EXPECT_TRUE(NearColour(picture.At(c.left - 1, upperY), face, 0)) << ToString(picture.At(c.left - 1, upperY));
            EXPECT_TRUE(NearColour(picture.At(c.left + c.width, lowerY), face, 0));
            EXPECT_TRUE(NearColour(picture.At(0, 0), face, 0));
            EXPECT_TRUE(NearColour(picture.At(679, 499), face, 0));
        }
        if (c.top > 0) {
            EXPECT_TRUE(NearColour(picture.At(leftX, c.top - 1), face, 0)) << ToString(picture.At(leftX, c.top - 1));
            EXPECT_TRUE(NearColour(picture.At(rightX, c.top + c.height), face, 0));
            EXPECT_TRUE(NearColour(picture.At(0, 0), face, 0));
            EXPECT_TRUE(NearColour(picture.At(679, 499), face, 0));
        }

        // The maker's 287 x 57 picture, fitted to 225 x 45, at Image2's top left.
        const TScreenPixels maker(image2);
        ASSERT_TRUE(maker.Valid());
        for (const POINT p : {POINT{0, 0}, POINT{224, 0}, POINT{0, 44}, POINT{224, 44}, POINT{112, 22}})
            EXPECT_TRUE(NearColour(maker.At(p.x, p.y), kMakerColour, kColourTolerance))
                << "Image2 at " << p.x << "," << p.y << ": " << ToString(maker.At(p.x, p.y));
        EXPECT_TRUE(NearColour(maker.At(225, 20), face, 0)) << "right of the maker's picture";
        EXPECT_TRUE(NearColour(maker.At(100, 45), face, 0)) << "below the maker's picture";

        EXPECT_FALSE(PathExists(TempFile("Tempsxconvert.jpg"))) << "the fitted copy was left behind";
        EXPECT_EQ(FindMessageBox(Viewer().Id()), nullptr);
        EXPECT_EQ(Viewer().CloseAndWait(kExitTimeoutMs), std::optional<DWORD>(0));
    }
}

TEST_F(DisplayOnScreen, EmptyPictureLeavesImage1HiddenWithoutAMessage) {
    HWND main = StartOn("empty picture.sonpix", Parts(TBytes{}, FlatJpeg(57, 57, kMakerColour)));
    ASSERT_NE(main, nullptr);
    HWND image1 = Control(main, idImage1);
    HWND image2 = Control(main, idImage2);
    ASSERT_TRUE(image1 && image2);
    ASSERT_TRUE(WaitUntil([&] { return !HasVisibleStyle(image1); }, kDisplayTimeoutMs)) << "Image1 is still shown";
    // The display went on with the maker's picture, and nothing was reported.
    EXPECT_TRUE(WaitUntil([&] { return NearColour(TScreenPixels(image2).At(28, 28), kMakerColour, kColourTolerance); }, 2000))
        << ToString(TScreenPixels(image2).At(28, 28));
    PauseMs(500);
    EXPECT_EQ(FindMessageBox(Viewer().Id()), nullptr) << "a message appeared";
    EXPECT_FALSE(HasVisibleStyle(image1));
    EXPECT_FALSE(PathExists(TempFile("Tempsxconvert.jpg")));
    EXPECT_EQ(Viewer().CloseAndWait(kExitTimeoutMs), std::optional<DWORD>(0));
}

TEST_F(DisplayOnScreen, PictureThatIsNoJpegShowsTheDecoderErrorAndLeavesTheSoundFileFree) {
    const TBytes notJpeg = BytesOf("BM: a picture of another kind, not a JPEG file");
    HWND main = StartOn("not a jpeg.sonpix", Parts(notJpeg, FlatJpeg(57, 57, kMakerColour)));
    ASSERT_NE(main, nullptr);
    HWND box = Viewer().WaitForMessageBox(kDisplayTimeoutMs);
    ASSERT_NE(box, nullptr) << "no error box after the first tick";
    const TMessageBoxView view = ReadMessageBox(box);
    EXPECT_EQ(view.text, "JPEG error #" + std::to_string(JpegRejectionCode(notJpeg)) + ".");
    EXPECT_EQ(view.caption, "Sonpixviewer");
    EXPECT_EQ(view.buttons, std::vector<int>{IDOK});
    HWND icon = MessageBoxIconControl(box);
    ASSERT_NE(icon, nullptr) << "the box shows no icon";
    EXPECT_TRUE(WaitUntil([&] { return ShowsRed(TScreenPixels(icon)); }, 2000)) << "the icon is not the red stop sign";
    EXPECT_FALSE(PathExists(TempFile("Tempsxconvert.jpg")));

    ASSERT_TRUE(PressMessageBoxButton(box, IDOK));
    ASSERT_TRUE(WaitUntil([&] { return FindMessageBox(Viewer().Id()) == nullptr; }, kWindowTimeoutMs));
    // The display stopped before the sound: the sound file is not held open.
    EXPECT_TRUE(WriteBytesFile(TempFile("Tempsx.wav"), SampleWav(220.0))) << "error " << GetLastError();
    EXPECT_TRUE(Viewer().Running());
    EXPECT_EQ(FindMessageBox(Viewer().Id()), nullptr) << "a second message appeared";
    EXPECT_EQ(Viewer().CloseAndWait(kExitTimeoutMs), std::optional<DWORD>(0));
}

}  // namespace
