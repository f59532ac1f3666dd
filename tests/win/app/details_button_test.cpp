// "Больше": the author details window filled from the current file's maker's text and a copy of
// its maker's picture fitted to 521 x 297, then shown; a file without either leaves no trace of
// the one before.
#include <gtest/gtest.h>

#include <optional>

#include "app/Unit1.h"
#include "container/sonpix.h"
#include "sys/mysys.h"
#include "tests/support/JpegCodec.h"
#include "tests/support/MessagePump.h"
#include "tests/support/SampleImages.h"
#include "tests/support/TestFiles.h"
#include "tests/support/WavSynth.h"
#include "ui/Application.h"
#include "windows/Unit3.h"

namespace {

std::string Temp(const std::string& name) { return GetTempFolder() + name; }

// A main window after its creation handler and the author details window, as the program has them.
class DetailsButton : public testing::Test {
protected:
    void SetUp() override {
        m_form = Application->Create<TForm1>();
        m_form->FormCreate(m_form);
        Form3 = Application->Create<TForm3>();
    }
    void TearDown() override {
        Application->RemoveComponent(Form3).reset();
        Form3 = nullptr;
        Application->RemoveComponent(m_form).reset();
        for (const char* name : {"Tempsx.jpg", "Tempsx.wav", "Tempsxcop.jpg", "Tempsxconvert.jpg"})
            DeleteFileQuietly(Temp(name));
        DeleteFileQuietly(m_sonpix);
    }
    // Extracts a file into the temporary folder, as a selection in the list does.
    void Extract(std::optional<std::string> makerText, std::optional<TBytes> makerPicture) {
        TSonpixFileParts parts;
        parts.picture = EncodeRgbJpeg(MakeGradient(64, 48), 90, false);
        parts.sound = SynthesizeToneWav(TToneSpec{});
        parts.makerText = std::move(makerText);
        parts.makerPicture = std::move(makerPicture);
        m_sonpix = Temp("details test.sonpix");
        ASSERT_TRUE(WriteBytesFile(m_sonpix, BuildSonpix(parts)));
        std::string text;
        ExtractSonpix(m_sonpix, GetTempFolder(), "Tempsx", text);
    }
    void PressMore() {
        m_form->Button1Click(m_form->Button1);
        DrainMessages();
    }
    TForm1* m_form = nullptr;
    std::string m_sonpix;
};

TEST_F(DetailsButton, FillsTheWindowFromTheCurrentFileAndShowsIt) {
    const struct {
        const char* name;
        std::optional<std::string> makerText;
        std::optional<TBytes> makerPicture;
        std::string memo;
        bool picture;
        int width, height;  // of the fitted copy
    } cases[] = {
        {"text and a wide picture", std::string("Иван\r\nПетров & Co"), EncodeRgbJpeg(MakeQuadrants(287, 57), 90, false),
         "Иван\r\nПетров & Co\r\n", true, 521, 103},
        {"a tall picture", std::string("Мария"), EncodeRgbJpeg(MakeQuadrants(120, 200), 90, false), "Мария\r\n", true,
         178, 297},
        {"neither text nor picture", std::nullopt, std::nullopt, "\r\n", false, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Extract(c.makerText, c.makerPicture);
        // Twice: the second press shows the same.
        for (int press = 0; press < 2; ++press) {
            PressMore();
            EXPECT_EQ(Form3->Memo1->Text(), c.memo);
            EXPECT_EQ(Form3->Image1->Visible(), c.picture);
            if (c.picture) {
                EXPECT_EQ(Form3->Image1->PictureWidth(), c.width);
                EXPECT_EQ(Form3->Image1->PictureHeight(), c.height);
            }
            EXPECT_TRUE(IsWindowVisible(Form3->Handle()));
            EXPECT_FALSE(FileExists(Temp("Tempsxconvert.jpg")));
        }
    }
}

}  // namespace
