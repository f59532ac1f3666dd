// ExtractSonpix against real files: outputs written, replaced and deleted; errors and stops.
#include <gtest/gtest.h>
#include <windows.h>

#include "container/sonpix.h"
#include "sys/PathText.h"
#include "sys/SysError.h"
#include "sys/UniqueHandle.h"
#include "sys/mysys.h"
#include "tests/support/SonpixWriter.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TestFolder.h"

namespace {

const TBytes kPicture = BytesOf("\xFF\xD8 picture bytes \xFF\xD9");
const TBytes kSound = BytesOf("RIFF....WAVEfmt sound bytes");
const TBytes kMakerPicture = BytesOf("\xFF\xD8 maker picture \xFF\xD9");
// Russian text in Windows-1251 with line breaks, a control byte and a final line break.
const std::string kMakerText = "Иван Петров\r\nг. Москва\x07\r\n";

class ExtractSonpixTest : public testing::Test {
protected:
    TTestFolder m_source{"source"};
    TTestFolder m_target{"target"};

    std::string Write(const std::string& name, const TBytes& bytes) {
        const std::string path = m_source / name;
        EXPECT_TRUE(WriteBytesFile(path, bytes));
        return path;
    }
    std::optional<TBytes> Output(const std::string& name) { return ReadBytesFile(m_target / name); }
    std::string Extract(const std::string& source, const std::string& folder) {
        std::string text = "stale";
        ExtractSonpix(source, folder, "Tempsx", text);
        return text;
    }
};

TEST_F(ExtractSonpixTest, WritesEverySectionAndReturnsTheMakerTextByteForByte) {
    const std::string source =
        Write("full.sonpix", BuildSonpix({kPicture, kSound, kMakerPicture, kMakerText}));
    const std::string text = Extract(source, m_target.Path());
    EXPECT_EQ(text, kMakerText);
    EXPECT_EQ(SonpixMakerText, kMakerText);
    EXPECT_EQ(Output("Tempsx.jpg"), kPicture);
    EXPECT_EQ(Output("Tempsx.wav"), kSound);
    EXPECT_EQ(Output("Tempsxcop.jpg"), kMakerPicture);
}

TEST_F(ExtractSonpixTest, TargetFolderWithOrWithoutBackslashOrEmptyGivesTheSameNames) {
    const std::string source = Write("a.sonpix", BuildSonpix({kPicture, kSound, {}, {}}));
    for (const std::string& folder : {m_target.Path(), StripTrailingBackslashes(m_target.Path())}) {
        Extract(source, folder);
        EXPECT_EQ(Output("Tempsx.jpg"), kPicture) << folder;
        EXPECT_EQ(Output("Tempsx.wav"), kSound) << folder;
        DeleteFileA((m_target / "Tempsx.jpg").c_str());
    }
    char previous[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, previous);
    SetCurrentDirectoryA(m_target.Path().c_str());
    Extract(source, "");
    SetCurrentDirectoryA(previous);
    EXPECT_EQ(Output("Tempsx.jpg"), kPicture);
}

TEST_F(ExtractSonpixTest, FileWithoutMakerSectionsRemovesThePreviousMakerPictureAndText) {
    Extract(Write("with.sonpix", BuildSonpix({kPicture, kSound, kMakerPicture, kMakerText})), m_target.Path());
    ASSERT_TRUE(Output("Tempsxcop.jpg"));
    const std::string text = Extract(Write("without.sonpix", BuildSonpix({kSound, kPicture, {}, {}})), m_target.Path());
    EXPECT_EQ(text, "");
    EXPECT_EQ(SonpixMakerText, "");
    EXPECT_FALSE(Output("Tempsxcop.jpg"));
    EXPECT_EQ(Output("Tempsx.jpg"), kSound);
}

TEST_F(ExtractSonpixTest, MissingSourceOrWrongHeaderLeavesNoOutputsAndNoError) {
    const std::string good = Write("good.sonpix", BuildSonpix({kPicture, kSound, kMakerPicture, kMakerText}));
    TBytes wrongHeader = BuildSonpix({kPicture, kSound, {}, {}});
    wrongHeader[5] = 0x02;
    const std::vector<std::string> sources = {m_source / "missing.sonpix", Write("wrong.sonpix", wrongHeader),
                                              Write("short.sonpix", BytesOf("Tolvy")),
                                              Write("empty.sonpix", TBytes{})};
    for (const std::string& bad : sources) {
        Extract(good, m_target.Path());
        ASSERT_TRUE(Output("Tempsx.jpg"));
        EXPECT_EQ(Extract(bad, m_target.Path()), "") << bad;
        EXPECT_EQ(SonpixMakerText, "") << bad;
        EXPECT_FALSE(Output("Tempsx.jpg")) << bad;
        EXPECT_FALSE(Output("Tempsx.wav")) << bad;
        EXPECT_FALSE(Output("Tempsxcop.jpg")) << bad;
    }
}

TEST_F(ExtractSonpixTest, MissingSeparatorGivesEmptyPictureAndSoundFromTheHeader) {
    const TBytes file = Concat({SonpixHeader(), BytesOf("no separator in here at all")});
    Extract(Write("nosep.sonpix", file), m_target.Path());
    EXPECT_EQ(Output("Tempsx.jpg"), TBytes{});
    EXPECT_EQ(Output("Tempsx.wav"), file);
}

TEST_F(ExtractSonpixTest, MakerPictureMarkerRightBeforeTextMarkerWritesAnEmptyMakerPicture) {
    const TBytes file = Concat({BuildSonpix({kPicture, kSound, TBytes{}, {}}), MakerTextMarker(), BytesOf("Anna")});
    EXPECT_EQ(Extract(Write("empty-maker.sonpix", file), m_target.Path()), "Anna");
    EXPECT_EQ(Output("Tempsxcop.jpg"), TBytes{});
}

TEST_F(ExtractSonpixTest, SourceHeldOpenForWritingRaisesTheOpenErrorAfterDeletingOutputs) {
    const std::string good = Write("good.sonpix", BuildSonpix({kPicture, kSound, kMakerPicture, kMakerText}));
    Extract(good, m_target.Path());
    const std::string locked = Write("locked.sonpix", BuildSonpix({kPicture, kSound, {}, {}}));
    UniqueHandle writer(CreateFileA(locked.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(writer.Valid());
    std::string text = "stale";
    try {
        ExtractSonpix(locked, m_target.Path(), "Tempsx", text);
        FAIL() << "no error raised";
    } catch (const EFOpenError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Cannot open file \"" + locked + "\". " + SysErrorMessage(ERROR_SHARING_VIOLATION));
    }
    EXPECT_EQ(text, "");
    EXPECT_EQ(SonpixMakerText, "");
    EXPECT_FALSE(Output("Tempsx.jpg"));
    EXPECT_FALSE(Output("Tempsx.wav"));
    EXPECT_FALSE(Output("Tempsxcop.jpg"));
}

TEST_F(ExtractSonpixTest, FolderWhereAnOutputBelongsStopsWithEarlierOutputsComplete) {
    const std::string source = Write("full.sonpix", BuildSonpix({kPicture, kSound, kMakerPicture, kMakerText}));
    ASSERT_TRUE(CreateDirectoryA((m_target / "Tempsx.wav").c_str(), nullptr));
    std::string text = "stale";
    EXPECT_NO_THROW(ExtractSonpix(source, m_target.Path(), "Tempsx", text));
    EXPECT_EQ(text, "");
    EXPECT_EQ(SonpixMakerText, "");
    EXPECT_EQ(Output("Tempsx.jpg"), kPicture);
    EXPECT_FALSE(Output("Tempsxcop.jpg"));
    RemoveDirectoryA((m_target / "Tempsx.wav").c_str());

    ASSERT_TRUE(CreateDirectoryA((m_target / "Tempsxcop.jpg").c_str(), nullptr));
    EXPECT_NO_THROW(ExtractSonpix(source, m_target.Path(), "Tempsx", text));
    EXPECT_EQ(Output("Tempsx.jpg"), kPicture);
    EXPECT_EQ(Output("Tempsx.wav"), kSound);
    EXPECT_EQ(text, "");
}

TEST_F(ExtractSonpixTest, MissingTargetFolderIsCreatedOneLevelOnly) {
    const std::string source = Write("a.sonpix", BuildSonpix({kPicture, kSound, {}, {}}));
    Extract(source, m_target / "new");
    EXPECT_EQ(ReadBytesFile(m_target / "new\\Tempsx.jpg"), kPicture);
    Extract(source, m_target / "x\\y");
    EXPECT_FALSE(FolderExists(m_target / "x"));
}

TEST_F(ExtractSonpixTest, FileOfTwoGibibytesIsRefusedWithAnError) {
    const std::string huge = m_source / "huge.sonpix";
    {
        UniqueHandle file(CreateFileA(huge.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        ASSERT_TRUE(file.Valid());
        DWORD put = 0;
        const TBytes header = SonpixHeader();
        WriteFile(file.Get(), header.data(), static_cast<DWORD>(header.size()), &put, nullptr);
        LARGE_INTEGER end;
        end.QuadPart = 0x80000000LL;
        ASSERT_TRUE(SetFilePointerEx(file.Get(), end, nullptr, FILE_BEGIN));
        ASSERT_TRUE(SetEndOfFile(file.Get()));
    }
    std::string text;
    EXPECT_THROW(ExtractSonpix(huge, m_target.Path(), "Tempsx", text), EFOpenError);
    EXPECT_FALSE(Output("Tempsx.jpg"));
    DeleteFileA(huge.c_str());
}

}  // namespace
