// Decoding ahead in the main window: a prepared neighbour is painted exactly as the direct display
// paints it, and a file replaced after it was prepared is shown as it is now.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "app/Unit1.h"
#include "app/ViewerNames.h"
#include "sys/mysys.h"
#include "tests/support/Colours.h"
#include "tests/support/JpegCodec.h"
#include "tests/support/MessagePump.h"
#include "tests/support/Pixels.h"
#include "tests/support/SampleImages.h"
#include "tests/support/SonpixWriter.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TestFolder.h"
#include "tests/support/WavSynth.h"
#include "tests/support/application/ErrorCapture.h"
#include "ui/Application.h"

namespace {

const char* const kTemporaryFiles[] = {"Tempsx.jpg", "Tempsx.wav", "Tempsxcop.jpg", "Tempsxconvert.jpg"};

// What a picture control paints, through its own window procedure.
TPixels Painted(const TImage& image) {
    RECT client{};
    GetClientRect(image.Handle(), &client);
    return TPixels::OfDrawing(client.right, client.bottom, [&image](HDC dc) {
        SendMessageA(image.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    });
}

TSonpixFileParts PartsWith(const TBytes& picture) {
    TSonpixFileParts parts;
    parts.picture = picture;
    TToneSpec tone;
    tone.seconds = 0.1;
    parts.sound = SynthesizeToneWav(tone);
    parts.makerPicture = EncodeRgbJpeg(MakeMakerBadge(287, 57), 90, false);
    parts.makerText = std::string("Maker");
    return parts;
}

TBytes FlatJpeg(int width, int height, TRgb colour) {
    TRgbImage image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image.Set(x, y, colour.r, colour.g, colour.b);
    return EncodeRgbJpeg(image, 90, false);
}

TBytes CmykJpeg(int width, int height) {
    std::vector<std::uint8_t> ink(static_cast<std::size_t>(width) * height * 4);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint8_t* p = ink.data() + (static_cast<std::size_t>(y) * width + x) * 4;
            p[0] = static_cast<std::uint8_t>(x * 255 / width);
            p[1] = static_cast<std::uint8_t>(y * 255 / height);
            p[2] = static_cast<std::uint8_t>((x + y) % 256);
            p[3] = static_cast<std::uint8_t>(x < width / 2 ? 0 : 60);
        }
    return EncodeCmykJpeg(ink, width, height, TCmykForm::adobeCmyk);
}

// A main window after its creation handler, listing a folder of two entries: a small "a" and the
// "b" under test. The sound is off: only the pictures matter here.
class TDecodeAheadTest : public testing::Test {
protected:
    void SetUp() override {
        for (const char* name : kTemporaryFiles) DeleteFileQuietly(GetTempFolder() + name);
        m_form = Application->Create<TForm1>();
        m_form->FormCreate(m_form);
        m_form->CheckBox1->SetChecked(false);
        ASSERT_TRUE(m_form->DecodeAhead().Enabled());
        ASSERT_TRUE(WriteBytesFile(m_folder / "a.sonpix", BuildSonpix(PartsWith(FlatJpeg(64, 48, {200, 30, 30})))));
    }
    void TearDown() override {
        Application->RemoveComponent(m_form).reset();
        for (const char* name : kTemporaryFiles) DeleteFileQuietly(GetTempFolder() + name);
    }
    void WriteB(const TBytes& picture) { ASSERT_TRUE(WriteBytesFile(m_folder / "b.sonpix", BuildSonpix(PartsWith(picture)))); }
    void Select(int entry) {
        if (m_form->ListBox1->ItemCount() != 2) m_form->DirectoryEdit1->SetText(m_folder.Path());
        ASSERT_EQ(m_form->ListBox1->ItemCount(), 2);
        m_form->ListBox1->SetItemIndex(entry);
        m_form->ListBox1Click(m_form->ListBox1);
    }
    // Selects "a" and lets the worker prepare "b" (the next entry) to the end. The folder is
    // listed anew first, so that no picture shown before is held for "b" instead.
    void SelectAAndPrepareB() {
        m_form->ListFolder();
        Select(0);
        ASSERT_TRUE(PumpMessagesUntil([this] { return m_form->DecodeAhead().Idle(); }, 30000));
        ASSERT_EQ(m_form->DecodeAhead().PreparedCount(), 1);
    }

    TTestFolder m_folder{"decode ahead"};
    TForm1* m_form = nullptr;
    TErrorCapture m_capture;
};

// For every kind of picture, what the prepared neighbour paints in Image1 and Image2 is, pixel
// for pixel, what the direct display of the same file paints.
TEST_F(TDecodeAheadTest, PreparedEntryPaintsTheSamePixelsAsTheDirectDisplay) {
    struct TCase {
        const char* kind;
        TBytes picture;
    };
    const TCase cases[] = {
        {"baseline photograph", EncodeRgbJpeg(MakeSunset(1600, 1000), 90, false)},
        {"progressive portrait", EncodeRgbJpeg(MakeLighthouse(700, 1100), 85, true)},
        {"grey", EncodeJpegVariant(MakeFlower(1000, 700), 90, false, true, 0)},
        {"progressive grey with restart markers", EncodeJpegVariant(MakeAurora(900, 650), 90, true, true, 1)},
        {"restart markers, odd size", EncodeJpegVariant(MakeAurora(1203, 807), 90, false, false, 2)},
        {"CMYK", CmykJpeg(640, 480)},
        {"odd size, progressive", EncodeRgbJpeg(MakeGradient(997, 601), 75, true)},
        {"smaller than the box", EncodeRgbJpeg(MakeQuadrants(120, 80), 90, false)},
        {"square", EncodeRgbJpeg(MakeQuadrants(333, 333), 90, false)},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.kind);
        WriteB(c.picture);
        m_form->DecodeAhead().Stop();
        const int taken = m_form->DecodeAhead().TakenCount();
        Select(1);  // nothing prepared: the direct display
        ASSERT_EQ(m_form->DecodeAhead().TakenCount(), taken);
        const TPixels direct1 = Painted(*m_form->Image1), direct2 = Painted(*m_form->Image2);

        SelectAAndPrepareB();
        const int prepared = m_form->DecodeAhead().TakenCount();  // "a" may have used its own
        Select(1);
        EXPECT_EQ(m_form->DecodeAhead().TakenCount(), prepared + 2) << "the prepared pictures were not used";
        EXPECT_TRUE(m_form->Image1->Visible() && m_form->Image2->Visible());
        EXPECT_TRUE(Painted(*m_form->Image1) == direct1);
        EXPECT_TRUE(Painted(*m_form->Image2) == direct2);
        EXPECT_TRUE(direct1.Valid() && direct2.Valid());

        // Back to "a" and on to "b" again: b's pictures are now the copies held from its display.
        Select(0);
        ASSERT_TRUE(PumpMessagesUntil([this] { return m_form->DecodeAhead().Idle(); }, 30000));
        const int kept = m_form->DecodeAhead().TakenCount();
        Select(1);
        EXPECT_EQ(m_form->DecodeAhead().TakenCount(), kept + 2) << "the pictures held from the display were not used";
        EXPECT_TRUE(Painted(*m_form->Image1) == direct1);
        EXPECT_TRUE(Painted(*m_form->Image2) == direct2);
    }
    EXPECT_TRUE(m_capture.Messages.empty()) << m_capture.Messages.front();
}

// Stepping down a folder of pictures of one size, the copy of the picture being left is made in
// the memory of a bitmap just dropped; stepping back to it paints what the direct display paints.
TEST_F(TDecodeAheadTest, PictureHeldFromTheDisplayPaintsTheSamePixelsWhenSteppingBack) {
    const TBytes pictures[] = {EncodeRgbJpeg(MakeSunset(1600, 1000), 90, false),
                               EncodeRgbJpeg(MakeLighthouse(1600, 1000), 90, true),
                               EncodeRgbJpeg(MakeFlower(1600, 1000), 90, false)};
    const char* const names[] = {"b.sonpix", "c.sonpix", "d.sonpix"};
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(WriteBytesFile(m_folder / names[i], BuildSonpix(PartsWith(pictures[i]))));
    m_form->DirectoryEdit1->SetText(m_folder.Path());
    ASSERT_EQ(m_form->ListBox1->ItemCount(), 4);
    const auto select = [this](int entry) {
        m_form->ListBox1->SetItemIndex(entry);
        m_form->ListBox1Click(m_form->ListBox1);
        ASSERT_TRUE(PumpMessagesUntil([this] { return m_form->DecodeAhead().Idle(); }, 30000));
    };
    select(2);  // "c", nothing prepared: the direct display
    const TPixels direct = Painted(*m_form->Image1);
    m_form->ListFolder();
    for (int entry : {1, 2, 3}) select(entry);  // down from "b" to "d"; "b"'s copy is dropped at "d"
    const int taken = m_form->DecodeAhead().TakenCount();
    select(2);
    EXPECT_EQ(m_form->DecodeAhead().TakenCount(), taken + 2) << "the pictures held from the display were not used";
    EXPECT_TRUE(direct.Valid());
    EXPECT_TRUE(Painted(*m_form->Image1) == direct);
    EXPECT_TRUE(m_capture.Messages.empty()) << m_capture.Messages.front();
}

// A file replaced after its picture was prepared shows the new picture, not the prepared one.
TEST_F(TDecodeAheadTest, FileReplacedAfterItWasPreparedShowsItsNewPicture) {
    const TRgb green{30, 200, 40}, blue{40, 60, 210};
    WriteB(FlatJpeg(300, 200, green));
    SelectAAndPrepareB();
    WriteB(FlatJpeg(300, 200, blue));
    Select(1);
    const TPixels shown = Painted(*m_form->Image1);
    const TRgb centre = shown.RgbAt(shown.Width() / 2, shown.Height() / 2);
    EXPECT_TRUE(NearColour(centre, blue, 24)) << ToString(centre);
    EXPECT_TRUE(m_capture.Messages.empty()) << m_capture.Messages.front();
}

}  // namespace
