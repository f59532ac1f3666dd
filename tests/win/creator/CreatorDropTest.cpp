// Files dropped on the creator's window (a drop can only be made inside the process): each goes
// where its kind belongs, a picture on the maker's box to the maker's picture.
#include <gtest/gtest.h>
#include <shlobj.h>

#include "creator/CreatorForm.h"
#include "tests/support/DropFiles.h"
#include "tests/support/JpegCodec.h"
#include "tests/support/SampleImages.h"
#include "tests/support/SonpixWriter.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TestFolder.h"
#include "tests/support/WavSynth.h"
#include "tests/win/windows/WindowsTestSupport.h"

namespace {
// Drops the files at a point of the form's client area, as the shell hands a drop over.
void DropAt(TCreatorForm& form, const std::vector<std::string>& paths, POINT at) {
    HDROP drop = MakeDrop(paths);
    auto* files = static_cast<DROPFILES*>(GlobalLock(drop));
    files->pt = at;
    GlobalUnlock(drop);
    SendMessageA(form.Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
}

POINT CentreOf(const TControl& control) {
    return POINT{control.Left() + control.Width() / 2, control.Top() + control.Height() / 2};
}
}  // namespace

TEST(CreatorDrop, EachDroppedFileGoesWhereItsKindBelongs) {
    TTestFolder folder("creator_drop");
    const TBytes picture = EncodeRgbJpeg(MakeSunset(320, 200), 85, false);
    const TBytes maker = EncodeRgbJpeg(MakeMakerBadge(200, 50), 90, false);
    const TBytes sound = SynthesizeToneWav(TToneSpec{});
    ASSERT_TRUE(WriteBytesFile(folder / "Закат.JPG", picture));
    ASSERT_TRUE(WriteBytesFile(folder / "Автор.jpg", maker));
    ASSERT_TRUE(WriteBytesFile(folder / "Звук.wav", sound));
    TOwnForm<TCreatorForm> form;

    // Picture and sound together on the picture box, then the maker's picture on its own box.
    DropAt(*form.Get(), {folder / "Закат.JPG", folder / "Звук.wav"}, CentreOf(*form->GroupBox1));
    DropAt(*form.Get(), {folder / "Автор.jpg"}, CentreOf(*form->GroupBox3));

    const TDraftContents& contents = form->Document().Contents();
    EXPECT_EQ(contents.picture.bytes, picture);
    EXPECT_EQ(contents.sound.bytes, sound);
    EXPECT_EQ(contents.makerPicture.bytes, maker);
    EXPECT_TRUE(form->Document().Modified());
    EXPECT_EQ(form->Caption(), "Новый Сонпик* - Сонпик Создатель");
    EXPECT_FALSE(form->Image1->Empty());
    EXPECT_FALSE(form->Image2->Empty());
}

// A Sonpix file opened over another is read into the other's memory: the form then holds the new
// file's parts and nothing of the old one's; a file that is no Sonpix file leaves it as it is.
TEST(CreatorOpen, OneSonpixFileAfterAnotherHoldsOnlyTheLastOnesParts) {
    TTestFolder folder("creator_open");
    const TBytes picture = EncodeRgbJpeg(MakeSunset(320, 200), 85, false);
    const TBytes smaller = EncodeRgbJpeg(MakeSunset(64, 40), 85, false);
    TToneSpec tone;
    const TBytes sound = SynthesizeToneWav(tone);
    tone.seconds /= 4;
    const TBytes shorter = SynthesizeToneWav(tone);
    ASSERT_TRUE(WriteBytesFile(folder / "Все части.sonpix",
                               BuildSonpix({picture, sound, EncodeRgbJpeg(MakeMakerBadge(200, 50), 90, false), "Текст"})));
    ASSERT_TRUE(WriteBytesFile(folder / "Две части.sonpix", BuildSonpix({smaller, shorter, std::nullopt, std::nullopt})));
    ASSERT_TRUE(WriteBytesFile(folder / "Не сонпик.sonpix", BytesOf("RIFF, not a Sonpix file")));
    TOwnForm<TCreatorForm> form;

    form->OpenFile(folder / "Все части.sonpix", false);
    form->OpenFile(folder / "Две части.sonpix", false);
    EXPECT_THROW(form->OpenFile(folder / "Не сонпик.sonpix", false), std::runtime_error);
    const TDraftContents& contents = form->Document().Contents();
    EXPECT_EQ(contents.picture.bytes, smaller);
    EXPECT_EQ(contents.sound.bytes, shorter);
    EXPECT_TRUE(contents.makerPicture.Empty());
    EXPECT_EQ(contents.makerText, "");
    EXPECT_EQ(form->Caption(), "Две части.sonpix - Сонпик Создатель");
    EXPECT_TRUE(form->Image2->Empty());
}
