// The file-type association through the real program: the computer button shows the registration
// window, its button writes the keys, and the command they hold opens a Sonpix file in the viewer.
#include <gtest/gtest.h>

#include "app/ControlIds.h"
#include "tests/support/JpegCodec.h"
#include "tests/support/RegistryValues.h"
#include "tests/support/SampleImages.h"
#include "tests/win/e2e/DisplayScreen.h"
#include "tests/win/e2e/MessageBoxProbe.h"
#include "tests/win/e2e/RealInput.h"
#include "tests/win/e2e/SampleFiles.h"
#include "tests/win/e2e/ViewerTest.h"
#include "tests/win/e2e/WindowProbe.h"

namespace {

// The registration writes the prefix's real association; it is removed before and after.
class RegistrationOnScreen : public TViewerTest {
protected:
    void SetUp() override {
        TViewerTest::SetUp();
        DeleteSonpixAssociation();
    }
    void TearDown() override { DeleteSonpixAssociation(); }
};

struct TChildSearch {
    std::string text;
    HWND found = nullptr;
};

BOOL CALLBACK MatchText(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<TChildSearch*>(param);
    if (TextOf(window) != search->text) return TRUE;
    search->found = window;
    return FALSE;
}

HWND ChildWithText(HWND parent, const std::string& text) {
    TChildSearch search{text};
    EnumChildWindows(parent, &MatchText, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool SamePath(const std::string& a, const std::string& b) { return lstrcmpiA(a.c_str(), b.c_str()) == 0; }

const TRgb kPictureColour{30, 160, 220};

TEST_F(RegistrationOnScreen, TheRegisteredCommandOpensAFileInTheViewer) {
    HWND main = StartAndWaitForMainWindow("");
    ASSERT_NE(main, nullptr);
    HWND computer = Control(main, idSpeedButton2);
    ASSERT_NE(computer, nullptr);
    ASSERT_TRUE(RealClick(computer)) << "xdotool could not be started";
    HWND form4 = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] { return (form4 = FindTopLevelWindow(Viewer().Id(), "TForm4")) && IsWindowVisible(form4); },
        kWindowTimeoutMs))
        << DescribeTopLevelWindows(Viewer().Id());
    HWND registerButton = ChildWithText(form4, "Зарегестрировать");
    ASSERT_NE(registerButton, nullptr);
    ASSERT_TRUE(RealClick(registerButton));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(form4); }, kWindowTimeoutMs)) << "the window stayed open";
    EXPECT_EQ(FindMessageBox(Viewer().Id()), nullptr);

    EXPECT_EQ(ReadStringValue(HKEY_CLASSES_ROOT, ".Sonpix"), "SonpixFile");
    EXPECT_EQ(ReadStringValue(HKEY_CLASSES_ROOT, "SonpixFile"), "Sonpix Data");
    const std::optional<std::string> command = ReadStringValue(HKEY_CLASSES_ROOT, "SonpixFile\\shell\\open\\command");
    ASSERT_TRUE(command.has_value());
    // "<program path>" "%1"
    const std::string::size_type programEnd = command->find('"', 1);
    ASSERT_TRUE(command->size() > 2 && (*command)[0] == '"' && programEnd != std::string::npos) << *command;
    const std::string program = command->substr(1, programEnd - 1);
    EXPECT_TRUE(SamePath(program, ViewerExePath())) << program << " / " << ViewerExePath();
    ASSERT_EQ(command->substr(programEnd), "\" \"%1\"");
    ASSERT_TRUE(Viewer().CloseAndWait(kExitTimeoutMs).has_value());

    // The file manager's way of opening a file: %1 replaced by the file's path.
    TSonpixFileParts parts = SampleParts(3, "Фотограф");
    TRgbImage flat(400, 300);
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 400; ++x) flat.Set(x, y, kPictureColour.r, kPictureColour.g, kPictureColour.b);
    parts.picture = EncodeRgbJpeg(flat, 90, false);
    const std::string file = m_scratch.Make("Opened from the shell.sonpix");
    ASSERT_TRUE(WriteSonpix(file, parts));
    std::string arguments = command->substr(programEnd + 2);
    arguments.replace(arguments.find("%1"), 2, file);
    HWND opened = StartAndWaitForMainWindow(arguments, "", program);
    ASSERT_NE(opened, nullptr);
    HWND image1 = Control(opened, idImage1);
    ASSERT_NE(image1, nullptr);
    EXPECT_TRUE(WaitUntil(
        [&] {
            const TScreenPixels pixels(image1);
            return pixels.Valid() && NearColour(pixels.At(pixels.Width() / 2, pixels.Height() / 2), kPictureColour, 24);
        },
        kWindowTimeoutMs))
        << "the picture of " << file << " is not shown";
    EXPECT_EQ(TextOf(Control(opened, idStaticText1)), "Фотограф");
}

}  // namespace
