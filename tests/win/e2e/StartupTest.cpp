// Start-up: the folder the list shows, opening a Sonpix file named on the command line, the
// arguments that are ignored, and the temporary files of an earlier run.
#include <gtest/gtest.h>

#include "app/ControlIds.h"
#include "tests/win/e2e/MessageBoxProbe.h"
#include "tests/win/e2e/SampleFiles.h"
#include "tests/win/e2e/ViewerTest.h"
#include "tests/win/e2e/WindowProbe.h"
#include "tests/support/TestFiles.h"

namespace {
class TStartupTest : public TViewerTest {};

// The window as it is when no file was opened: "?" as the maker, Больше disabled, nothing extracted.
void ExpectNoFileOpen(HWND staticText, HWND button) {
    if (staticText) {
        EXPECT_EQ(TextOf(staticText), "?");
    }
    if (button) {
        EXPECT_FALSE(IsWindowEnabled(button)) << "Больше is enabled";
    }
    EXPECT_FALSE(PathExists(TempFile("Tempsx.jpg"))) << "a picture was extracted";
    EXPECT_FALSE(PathExists(TempFile("Tempsx.wav"))) << "a sound was extracted";
}

TEST_F(TStartupTest, WithoutArgumentListsTheSonpixFilesBesideTheProgram) {
    const std::string exe = m_scratch.Make("program\\SonpixViewer.exe");
    ASSERT_TRUE(CopyViewerTo(exe));
    for (const char* name : {"program\\beta.SONPIX", "program\\alpha.sonpix", "program\\Кот.sonpix"})
        ASSERT_TRUE(WriteSonpix(m_scratch.Make(name), SampleParts(1, "x"))) << name << " error " << GetLastError();
    ASSERT_TRUE(WriteBytesFile(m_scratch.Make("program\\notes.txt"), BytesOf("notes")));
    ASSERT_TRUE(WriteSonpix(m_scratch.Make("program\\old.sonpix.bak"), SampleParts(2, "x")));
    // The process starts in another folder with a Sonpix file of its own, which must not be listed.
    const std::string work = m_scratch.Make("work\\");
    ASSERT_TRUE(WriteSonpix(work + "elsewhere.sonpix", SampleParts(3, "x")));

    HWND main = StartAndWaitForMainWindow("", work, exe);
    ASSERT_NE(main, nullptr);
    if (HWND edit = Control(main, idDirectoryEdit1)) {
        EXPECT_EQ(TextOf(edit), m_scratch.Path() + "program\\");
    }
    if (HWND list = Control(main, idListBox1)) {
        EXPECT_EQ(ListBoxItems(list), (std::vector<std::string>{"alpha", "beta", "Кот"}));
        EXPECT_EQ(ListBoxSelection(list), -1) << "an entry is selected";
    }
    ExpectNoFileOpen(Control(main, idStaticText1), Control(main, idButton1));
}

struct TOpenCase {
    const char* what;
    const char* file;       // where the Sonpix file lies, relative to the scratch folder
    const char* arguments;  // the command line after the program; %s stands for the file's full path
};

std::string Format(const char* pattern, const std::string& path) {
    std::string result = pattern;
    const size_t at = result.find("%s");
    if (at != std::string::npos) result.replace(at, 2, path);
    return result;
}

const TOpenCase kOpenCases[] = {
    {"plain path", "files\\Anna.sonpix", "%s"},
    {"extension in mixed case", "files\\Photo.SonPix", "%s"},
    {"quoted path with blanks", "my files\\Кот и пёс.sonpix", "\"%s\""},
    {"only the first argument counts", "files\\First.sonpix", "%s other.txt"},
};

TEST_F(TStartupTest, SonpixFileOnTheCommandLineIsExtractedAndItsMakerShown) {
    for (const TOpenCase& open : kOpenCases) {
        SCOPED_TRACE(open.what);
        for (const char* name : kTemporaryFileNames) RemoveFile(TempFile(name));
        const std::string file = m_scratch.Make(open.file);
        const std::string makerText = std::string("Иван Петров, ") + open.what + "\r\nМосква";
        const TSonpixFileParts parts = SampleParts(static_cast<int>(&open - kOpenCases) + 10, makerText);
        ASSERT_TRUE(WriteSonpix(file, parts)) << file << " error " << GetLastError();
        // The list shows the process's current folder, not the file's.
        const std::string work = m_scratch.Make("work\\");
        ASSERT_TRUE(WriteSonpix(work + "listed.sonpix", SampleParts(5, "x")));
        ASSERT_TRUE(WriteBytesFile(m_scratch.Make("work\\other.txt"), BytesOf("not a Sonpix file")));

        HWND main = StartAndWaitForMainWindow(Format(open.arguments, file), work);
        ASSERT_NE(main, nullptr);
        if (HWND text = Control(main, idStaticText1)) {
            EXPECT_EQ(TextOf(text), makerText);
        }
        if (HWND button = Control(main, idButton1)) {
            EXPECT_TRUE(IsWindowEnabled(button)) << "Больше is disabled";
        }
        EXPECT_EQ(ReadBytesFile(TempFile("Tempsx.jpg")), parts.picture) << "Tempsx.jpg";
        EXPECT_EQ(ReadBytesFile(TempFile("Tempsx.wav")), parts.sound) << "Tempsx.wav";
        EXPECT_EQ(ReadBytesFile(TempFile("Tempsxcop.jpg")), parts.makerPicture) << "Tempsxcop.jpg";
        if (HWND edit = Control(main, idDirectoryEdit1)) {
            EXPECT_EQ(TextOf(edit), WithoutTrailingBackslash(work));
        }
        if (HWND list = Control(main, idListBox1)) {
            EXPECT_EQ(ListBoxItems(list), std::vector<std::string>{"listed"});
            EXPECT_EQ(ListBoxSelection(list), -1) << "an entry is selected";
        }
        EXPECT_EQ(Viewer().CloseAndWait(kExitTimeoutMs), std::optional<DWORD>(0));
    }
}

struct TIgnoredCase {
    const char* what;
    const char* file;  // a real Sonpix file under this name, relative to the scratch folder
    const char* arguments;
};

const TIgnoredCase kIgnoredCases[] = {
    {"another extension after .sonpix", "x.sonpix.bak", "%s"},
    {".sonpix only in a folder name", "d.sonpix\\f", "%s"},
    {"no extension", "plain", "%s"},
    {"a Sonpix file only as second argument", "second.sonpix", "notes.txt %s"},
};

TEST_F(TStartupTest, ArgumentsThatNameNoSonpixFileAreIgnored) {
    for (const TIgnoredCase& ignored : kIgnoredCases) {
        SCOPED_TRACE(ignored.what);
        for (const char* name : kTemporaryFileNames) RemoveFile(TempFile(name));
        const std::string file = m_scratch.Make(ignored.file);
        ASSERT_TRUE(WriteSonpix(file, SampleParts(20, "Ignored maker"))) << file << " error " << GetLastError();
        HWND main = StartAndWaitForMainWindow(Format(ignored.arguments, file));
        ASSERT_NE(main, nullptr);
        ExpectNoFileOpen(Control(main, idStaticText1), Control(main, idButton1));
        // An argument was given, so the list shows the current folder, not the program's.
        if (HWND edit = Control(main, idDirectoryEdit1)) {
            EXPECT_EQ(TextOf(edit), WithoutTrailingBackslash(m_scratch.Path()));
        }
        EXPECT_EQ(Viewer().CloseAndWait(kExitTimeoutMs), std::optional<DWORD>(0));
    }
}

struct TUnreadableCase {
    const char* what;
    const char* file;  // relative to the scratch folder; written only when content is given
    const char* content;
};

// A Sonpix name that leads to no Sonpix file: nothing is shown and nothing is reported, but Больше
// is enabled as for any opened file.
TEST_F(TStartupTest, SonpixNameWithoutSonpixFileShowsNothingAndReportsNothing) {
    for (const TUnreadableCase& unreadable : {TUnreadableCase{"missing file", "missing.sonpix", nullptr},
                                              TUnreadableCase{"wrong header", "fake.sonpix", "Tolvy\x02 not a Sonpix file"}}) {
        SCOPED_TRACE(unreadable.what);
        const std::string file = m_scratch.Make(unreadable.file);
        if (unreadable.content) {
            ASSERT_TRUE(WriteBytesFile(file, BytesOf(unreadable.content)));
        }
        HWND main = StartAndWaitForMainWindow(Quoted(file));
        ASSERT_NE(main, nullptr);
        HWND image1 = Control(main, idImage1);
        HWND image2 = Control(main, idImage2);
        ASSERT_TRUE(image1 && image2);
        // The first tick of the half-second timer tries to show the file.
        EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(image1); }, 3000)) << "Image1 still shows";
        PauseMs(600);
        EXPECT_EQ(FindMessageBox(Viewer().Id()), nullptr) << "a message was shown:\n"
                                                         << DescribeTopLevelWindows(Viewer().Id());
        EXPECT_TRUE(IsWindowVisible(image2)) << "the banner in Image2 is gone";
        if (HWND text = Control(main, idStaticText1)) {
            EXPECT_EQ(TextOf(text), "?");
        }
        if (HWND button = Control(main, idButton1)) {
            EXPECT_TRUE(IsWindowEnabled(button)) << "Больше is disabled";
        }
        EXPECT_FALSE(PathExists(TempFile("Tempsx.jpg"))) << "a picture was extracted";
        EXPECT_EQ(Viewer().CloseAndWait(kExitTimeoutMs), std::optional<DWORD>(0));
    }
}

TEST_F(TStartupTest, TemporaryFilesOfAnEarlierRunAreRemovedExceptTheMakersPicture) {
    const TBytes stale = BytesOf("left over from an earlier run");
    for (const char* name : {"Tempsx.jpg", "Tempsx.wav", "Tempsxcop.txt", "Tempsxcop.jpg"})
        ASSERT_TRUE(WriteBytesFile(TempFile(name), stale)) << name;
    HWND main = StartAndWaitForMainWindow("");
    ASSERT_NE(main, nullptr);
    for (const char* name : {"Tempsx.jpg", "Tempsx.wav", "Tempsxcop.txt"})
        EXPECT_FALSE(PathExists(TempFile(name))) << name << " is still there";
    EXPECT_EQ(ReadBytesFile(TempFile("Tempsxcop.jpg")), std::optional<TBytes>(stale)) << "Tempsxcop.jpg";
}
}  // namespace
