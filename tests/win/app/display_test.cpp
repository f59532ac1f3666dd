// Showing the extracted file in the main window: fitted pictures in Image1 and Image2, then the sound.
#include <gtest/gtest.h>

#include <windows.h>
#include <mmsystem.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "app/Unit1.h"
#include "container/sonpix.h"
#include "sys/BitmapLayout.h"
#include "sys/GdiObjects.h"
#include "sys/mysys.h"
#include "tests/support/Colours.h"
#include "tests/support/JpegCodec.h"
#include "tests/support/MessagePump.h"
#include "tests/support/SampleImages.h"
#include "tests/support/SonpixWriter.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TestFolder.h"
#include "tests/support/WavSynth.h"
#include "tests/support/application/ErrorCapture.h"
#include "ui/Application.h"

namespace {

const char* const kTemporaryFiles[] = {"Tempsx.jpg", "Tempsx.wav", "Tempsxcop.jpg", "Tempsxconvert.jpg"};

std::string Temp(const std::string& name) { return GetTempFolder() + name; }

// What a picture control paints, captured through its own window procedure (WM_PRINTCLIENT).
class TPainted {
public:
    explicit TPainted(HWND control) {
        RECT client;
        GetClientRect(control, &client);
        m_width = client.right;
        m_height = client.bottom;
        const BITMAPINFO info = TopDownBgrInfo(m_width, m_height, 4);
        void* bits = nullptr;
        m_bitmap.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        m_bits = static_cast<const std::uint8_t*>(bits);
        TMemDC memory(nullptr);
        TSelectGuard select(memory.Get(), m_bitmap.Get());
        SendMessageA(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory.Get()), PRF_CLIENT);
        GdiFlush();
    }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    TRgb At(int x, int y) const {
        const std::uint8_t* p = m_bits + (static_cast<std::size_t>(y) * m_width + x) * 4;
        return {p[2], p[1], p[0]};
    }

private:
    TBitmapHandle m_bitmap;  // owned: the 32-bit top-down capture
    const std::uint8_t* m_bits = nullptr;
    int m_width = 0;
    int m_height = 0;
};

constexpr int kColourTolerance = 48;

// Checks that the painted control shows a quadrant picture of width x height with its top-left
// corner at (left, top), and the button face everywhere beside it.
void ExpectQuadrantsAt(const TPainted& painted, int left, int top, int width, int height) {
    for (const TQuadrantProbe& probe : kQuadrantProbes) {
        const int x = left + static_cast<int>(probe.fx * width), y = top + static_cast<int>(probe.fy * height);
        EXPECT_TRUE(NearColour(painted.At(x, y), probe.colour, kColourTolerance))
            << "at " << x << "," << y << ": " << ToString(painted.At(x, y)) << " instead of " << ToString(probe.colour);
    }
    const TRgb face = ButtonFaceColour();
    const int midY = top + height / 4, midX = left + width / 4;
    if (left > 0) EXPECT_TRUE(NearColour(painted.At(left - 1, midY), face, 0)) << "left of the picture";
    if (left + width < painted.Width()) EXPECT_TRUE(NearColour(painted.At(left + width, midY), face, 0)) << "right of it";
    if (top > 0) EXPECT_TRUE(NearColour(painted.At(midX, top - 1), face, 0)) << "above the picture";
    if (top + height < painted.Height()) EXPECT_TRUE(NearColour(painted.At(midX, top + height), face, 0)) << "below it";
    EXPECT_FALSE(NearColour(painted.At(left, midY), face, 8)) << "the picture's first column is missing";
    EXPECT_FALSE(NearColour(painted.At(midX, top), face, 8)) << "the picture's first row is missing";
    EXPECT_FALSE(NearColour(painted.At(left + width - 1, top + height * 3 / 4), face, 8)) << "its last column is missing";
    EXPECT_FALSE(NearColour(painted.At(left + width * 3 / 4, top + height - 1), face, 8)) << "its last row is missing";
}

TBytes QuadrantJpeg(int width, int height) { return EncodeRgbJpeg(MakeQuadrants(width, height), 90, false); }

TBytes FlatJpeg(int width, int height, TRgb colour) {
    TRgbImage image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image.Set(x, y, colour.r, colour.g, colour.b);
    return EncodeRgbJpeg(image, 90, false);
}

TBytes ToneWav(double seconds) {
    TToneSpec tone;
    tone.seconds = seconds;
    tone.amplitude = 0.05;
    return SynthesizeToneWav(tone);
}

// A main window after its creation handler, as the program makes it, with errors of its event
// handlers captured instead of shown in a box, and the ticks of Timer1 counted.
class TDisplayTest : public testing::Test {
protected:
    void SetUp() override {
        m_ticks = 0;
        m_errors.clear();
        for (const char* name : kTemporaryFiles) DeleteFileQuietly(Temp(name));
        m_form = Application->Create<TForm1>();
        m_form->FormCreate(m_form);
        TNotifyEvent tick = m_form->Timer1->OnTimer;
        m_form->Timer1->OnTimer = [this, tick](TObject* sender) {
            ++m_ticks;
            tick(sender);
        };
    }
    void TearDown() override {
        Application->RemoveComponent(m_form).reset();
        PendingShow = false;
        DeleteFileQuietly(m_sonpix);
        for (const char* name : kTemporaryFiles) DeleteFileQuietly(Temp(name));
    }

    // Extracts the file into the temporary folder as the command-line open does, and leaves the
    // display to the next tick.
    void OpenAsFromCommandLine(const TSonpixFileParts& parts) {
        m_sonpix = Temp("display test.sonpix");
        ASSERT_TRUE(WriteBytesFile(m_sonpix, BuildSonpix(parts)));
        std::string makerText;
        ExtractSonpix(m_sonpix, GetTempFolder(), "Tempsx", makerText);
        PendingShow = true;
    }
    // Extracts the file so that the test can run ShowCurrentFile itself.
    void Extract(const TSonpixFileParts& parts) {
        OpenAsFromCommandLine(parts);
        PendingShow = false;
    }
    bool WaitForTicks(int count) {
        return PumpMessagesUntil([this, count] { return m_ticks >= count; }, 3000);
    }

    TForm1* m_form = nullptr;
    TErrorCapture m_capture;  // for the whole test, from before SetUp to after TearDown
    std::vector<std::string>& m_errors = m_capture.Messages;
    int m_ticks = 0;
    std::string m_sonpix;
};

using DisplayInProcess = TDisplayTest;

TSonpixFileParts PartsWith(TBytes picture, std::optional<TBytes> makerPicture, TBytes sound = ToneWav(0.2)) {
    TSonpixFileParts parts;
    parts.picture = std::move(picture);
    parts.sound = std::move(sound);
    parts.makerPicture = std::move(makerPicture);
    parts.makerText = std::string("Автор");
    return parts;
}

TEST_F(DisplayInProcess, CommandLineFileAppearsAtTheFirstTickFittedAndCentredAndOnlyOnce) {
    m_form->CheckBox1->SetChecked(false);
    OpenAsFromCommandLine(PartsWith(QuadrantJpeg(800, 601), std::nullopt));
    EXPECT_TRUE(m_form->Image1->Empty()) << "the picture is shown before the first tick";

    ASSERT_TRUE(WaitForTicks(1));
    EXPECT_TRUE(m_errors.empty()) << m_errors.front();
    EXPECT_FALSE(PendingShow);
    // 800 x 601 in the 680 x 500 box: 680/800 would make it 511 high, so 500/601 it is.
    ASSERT_EQ(m_form->Image1->PictureWidth(), 666);
    ASSERT_EQ(m_form->Image1->PictureHeight(), 500);
    EXPECT_TRUE(m_form->Image1->Visible());
    ExpectQuadrantsAt(TPainted(m_form->Image1->Handle()), 7, 0, 666, 500);
    EXPECT_FALSE(FileExists(Temp("Tempsxconvert.jpg")));

    // Another picture under the same name: the next tick leaves the display alone.
    ASSERT_TRUE(WriteBytesFile(Temp("Tempsx.jpg"), QuadrantJpeg(100, 100)));
    ASSERT_TRUE(WaitForTicks(2));
    EXPECT_EQ(m_form->Image1->PictureWidth(), 666);
    EXPECT_EQ(m_form->Image1->PictureHeight(), 500);
    EXPECT_TRUE(m_errors.empty());
}

// Fitted sizes follow the fitting rule for the 680 x 500 box of the 1280-pixel test screen.
struct TFitCase {
    int width, height;
    int fittedWidth, fittedHeight;
};

TEST_F(DisplayInProcess, PictureIsFittedToTheWideBoxAndCentredInImage1) {
    const TFitCase cases[] = {
        {800, 601, 666, 500},    // 510.85 high at 680/800: too high, so 500/601
        {1360, 1001, 680, 500},  // 500.5 rounds to the even 500: fits at 680/1360
        {640, 480, 667, 500},    // 680/640 would make it 510 high
        {100, 80, 625, 500},     // small pictures are enlarged
        {300, 400, 375, 500},    // portrait
        {1000, 100, 680, 68},    // a wide strip
        {64, 64, 500, 500},      // square: the box's height
    };
    m_form->CheckBox1->SetChecked(false);
    for (const TFitCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        Extract(PartsWith(QuadrantJpeg(c.width, c.height), std::nullopt));
        m_form->ShowCurrentFile();
        ASSERT_EQ(m_form->Image1->PictureWidth(), c.fittedWidth);
        ASSERT_EQ(m_form->Image1->PictureHeight(), c.fittedHeight);
        ExpectQuadrantsAt(TPainted(m_form->Image1->Handle()), (680 - c.fittedWidth) / 2, (500 - c.fittedHeight) / 2,
                          c.fittedWidth, c.fittedHeight);
        EXPECT_FALSE(FileExists(Temp("Tempsxconvert.jpg")));
    }
}

TEST_F(DisplayInProcess, PictureIsFittedToTheSmallBoxOnANarrowScreen_At1023x768) {
    m_form->CheckBox1->SetChecked(false);
    ASSERT_EQ(m_form->Image1->Width(), 400);
    Extract(PartsWith(QuadrantJpeg(800, 601), std::nullopt));
    m_form->ShowCurrentFile();
    // r = 0.5 gives 300.5, which rounds to the even 300: 400 x 300, filling the box.
    ASSERT_EQ(m_form->Image1->PictureWidth(), 400);
    ASSERT_EQ(m_form->Image1->PictureHeight(), 300);
    ExpectQuadrantsAt(TPainted(m_form->Image1->Handle()), 0, 0, 400, 300);
}

struct TMakerCase {
    const char* what;
    int width, height;
    int fittedWidth, fittedHeight;
};

TEST_F(DisplayInProcess, MakersPictureIsFittedInto225x57AtTheTopLeftOfImage2) {
    const TRgb magenta{200, 40, 180};
    const TMakerCase cases[] = {
        {"banner-sized", 287, 57, 225, 45},
        {"square", 80, 80, 57, 57},
        {"portrait", 20, 100, 11, 57},
        {"tiny", 9, 3, 171, 57},
    };
    m_form->CheckBox1->SetChecked(false);
    for (const TMakerCase& c : cases) {
        SCOPED_TRACE(c.what);
        Extract(PartsWith(QuadrantJpeg(40, 30), FlatJpeg(c.width, c.height, magenta)));
        m_form->ShowCurrentFile();
        ASSERT_EQ(m_form->Image2->PictureWidth(), c.fittedWidth);
        ASSERT_EQ(m_form->Image2->PictureHeight(), c.fittedHeight);
        EXPECT_TRUE(m_form->Image2->Visible());
        const TPainted painted(m_form->Image2->Handle());
        ASSERT_EQ(painted.Width(), 289);
        EXPECT_TRUE(NearColour(painted.At(0, 0), magenta, kColourTolerance)) << ToString(painted.At(0, 0));
        EXPECT_TRUE(NearColour(painted.At(c.fittedWidth - 1, c.fittedHeight - 1), magenta, kColourTolerance));
        EXPECT_TRUE(NearColour(painted.At(c.fittedWidth, 0), ButtonFaceColour(), 0)) << "right of the maker's picture";
        if (c.fittedHeight < 57) EXPECT_TRUE(NearColour(painted.At(0, c.fittedHeight), ButtonFaceColour(), 0)) << "below it";
        EXPECT_FALSE(FileExists(Temp("Tempsxconvert.jpg")));
    }
}

TEST_F(DisplayInProcess, FileWithoutMakersPictureLeavesTheBannerInImage2) {
    m_form->CheckBox1->SetChecked(false);
    const TPainted before(m_form->Image2->Handle());
    OpenAsFromCommandLine(PartsWith(QuadrantJpeg(40, 30), std::nullopt));
    ASSERT_TRUE(WaitForTicks(1));
    EXPECT_TRUE(m_errors.empty());
    EXPECT_FALSE(m_form->Image1->Empty());
    EXPECT_TRUE(m_form->Image2->Visible());
    EXPECT_EQ(m_form->Image2->PictureWidth(), 287);
    EXPECT_EQ(m_form->Image2->PictureHeight(), 57);
    const TPainted after(m_form->Image2->Handle());
    for (int y = 0; y < 57; y += 7)
        for (int x = 0; x < 289; x += 11)
            ASSERT_TRUE(NearColour(before.At(x, y), after.At(x, y), 0)) << "the banner changed at " << x << "," << y;
}

TEST_F(DisplayInProcess, EmptyPictureHidesImage1WithoutAnError) {
    m_form->CheckBox1->SetChecked(false);
    OpenAsFromCommandLine(PartsWith(TBytes{}, FlatJpeg(30, 30, {10, 120, 200})));
    const auto picture = ReadBytesFile(Temp("Tempsx.jpg"));
    ASSERT_TRUE(picture && picture->empty()) << "the extraction did not leave an empty picture file";
    ASSERT_TRUE(m_form->Image1->Visible());
    ASSERT_TRUE(WaitForTicks(1));
    EXPECT_TRUE(m_errors.empty()) << m_errors.front();
    EXPECT_FALSE(m_form->Image1->Visible());
    // The display goes on with the maker's picture.
    EXPECT_EQ(m_form->Image2->PictureWidth(), 57);
    EXPECT_FALSE(FileExists(Temp("Tempsxconvert.jpg")));
}

// The media control interface's own text for the failure to open this file, or empty if it opens.
std::string MciOpenErrorText(const std::string& path) {
    MCI_OPEN_PARMSA parms{};
    parms.lpstrElementName = path.c_str();
    const MCIERROR error = mciSendCommandA(0, MCI_OPEN, MCI_WAIT | MCI_OPEN_ELEMENT, reinterpret_cast<DWORD_PTR>(&parms));
    if (error == 0) {
        mciSendCommandA(parms.wDeviceID, MCI_CLOSE, MCI_WAIT, 0);
        return "";
    }
    char text[4096] = "";
    mciGetErrorStringA(error, text, sizeof text);
    return text;
}

TEST_F(DisplayInProcess, DamagedPicturesAreReportedAndStopTheDisplayBeforeTheSound) {
    const TBytes notJpeg = BytesOf("GIF89a: this picture is not a JPEG file at all");
    struct TCase {
        const char* what;
        TBytes picture;
        std::optional<TBytes> maker;
        const TBytes* damaged;  // the part whose decoder error is expected
        bool pictureShown;
    } cases[] = {
        {"picture not a JPEG", notJpeg, FlatJpeg(30, 30, {10, 120, 200}), &notJpeg, false},
        {"maker's picture not a JPEG", QuadrantJpeg(64, 48), notJpeg, &notJpeg, true},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        SetUp();
        ASSERT_TRUE(m_form->CheckBox1->Checked());
        OpenAsFromCommandLine(PartsWith(c.picture, c.maker));
        ASSERT_TRUE(WaitForTicks(1));
        ASSERT_EQ(m_errors.size(), 1u);
        EXPECT_EQ(m_errors[0], "JPEG error #" + std::to_string(JpegRejectionCode(*c.damaged)));
        EXPECT_FALSE(m_form->SoundPlayer1->IsOpen()) << "the sound was opened after the error";
        EXPECT_EQ(m_form->Image1->Empty(), !c.pictureShown);
        // The maker's picture step did not run, or failed: the banner stays.
        EXPECT_EQ(m_form->Image2->PictureWidth(), 287);
        EXPECT_FALSE(FileExists(Temp("Tempsxconvert.jpg")));
        // The sound file is not held by the player.
        EXPECT_TRUE(WriteBytesFile(Temp("Tempsx.wav"), ToneWav(0.1)));
    }
}

TEST_F(DisplayInProcess, SoundPlaysAfterTheDisplayOnlyWhenTheCheckBoxIsChecked) {
    for (const bool checked : {true, false}) {
        SCOPED_TRACE(checked ? "checked" : "unchecked");
        m_form->CheckBox1->SetChecked(checked);
        Extract(PartsWith(QuadrantJpeg(64, 48), std::nullopt, ToneWav(3.0)));
        m_form->ShowCurrentFile();
        EXPECT_FALSE(m_form->Image1->Empty());
        EXPECT_EQ(m_form->SoundPlayer1->IsOpen(), checked);
        if (checked) {
            EXPECT_EQ(m_form->SoundPlayer1->FileName(), Temp("Tempsx.wav"));
            EXPECT_EQ(m_form->SoundPlayer1->Mode(), static_cast<DWORD>(MCI_MODE_PLAY));
            // Playing holds the sound file: it cannot be overwritten until the player closes it.
            EXPECT_FALSE(WriteBytesFile(Temp("Tempsx.wav"), ToneWav(0.1)));
            m_form->SoundPlayer1->Close();
        }
    }
}

// The sound still plays when the next entry is chosen: the player must let go of Tempsx.wav before
// the extraction, or the new sound and maker's picture are never written and the old sound plays.
TEST_F(DisplayInProcess, ChoosingAnotherEntryWhileTheSoundPlaysTakesItsSoundAndMakersPicture) {
    TTestFolder folder("selection");
    const TSonpixFileParts first = PartsWith(QuadrantJpeg(64, 48), FlatJpeg(40, 20, {200, 40, 180}), ToneWav(3.0));
    const TSonpixFileParts second = PartsWith(QuadrantJpeg(48, 64), FlatJpeg(30, 30, {20, 200, 40}), ToneWav(2.0));
    ASSERT_TRUE(WriteBytesFile(folder / "a.sonpix", BuildSonpix(first)));
    ASSERT_TRUE(WriteBytesFile(folder / "b.sonpix", BuildSonpix(second)));
    m_form->DirectoryEdit1->SetText(folder.Path());
    ASSERT_EQ(m_form->ListBox1->ItemCount(), 2);
    for (int entry : {0, 1}) {
        const TSonpixFileParts& parts = entry == 0 ? first : second;
        m_form->ListBox1->SetItemIndex(entry);
        m_form->ListBox1Click(m_form->ListBox1);
        SCOPED_TRACE(entry);
        EXPECT_EQ(ReadBytesFile(Temp("Tempsx.wav")), parts.sound);
        EXPECT_EQ(ReadBytesFile(Temp("Tempsxcop.jpg")), parts.makerPicture);
        EXPECT_EQ(m_form->SoundPlayer1->Mode(), static_cast<DWORD>(MCI_MODE_PLAY));
    }
    m_form->SoundPlayer1->Close();
    EXPECT_TRUE(m_errors.empty()) << m_errors.front();
}

TEST_F(DisplayInProcess, SoundThatTheMediaInterfaceRejectsIsReportedWithItsText) {
    OpenAsFromCommandLine(PartsWith(QuadrantJpeg(64, 48), FlatJpeg(30, 30, {10, 120, 200}),
                                    BytesOf("this sound is plain text, neither RIFF nor WAVE")));
    ASSERT_TRUE(WaitForTicks(1));
    const std::string expected = MciOpenErrorText(Temp("Tempsx.wav"));
    ASSERT_FALSE(expected.empty()) << "the media control interface opens the text file";
    ASSERT_EQ(m_errors.size(), 1u);
    EXPECT_EQ(m_errors[0], expected);
    EXPECT_FALSE(m_form->SoundPlayer1->IsOpen());
    // The pictures were already shown.
    EXPECT_FALSE(m_form->Image1->Empty());
    EXPECT_EQ(m_form->Image2->PictureWidth(), 57);
}

}  // namespace
