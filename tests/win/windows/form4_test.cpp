// The file type registration window: its texts exactly as the user has always read them, and its
// button: the association written and the window hidden, or on a registry error
// the error reported and the window left open.
#include <gtest/gtest.h>

#include "sys/mysys.h"
#include "tests/support/MessagePump.h"
#include "tests/support/RegistryValues.h"
#include "tests/support/application/ErrorCapture.h"
#include "tests/win/windows/WindowsTestSupport.h"
#include "windows/Unit4.h"

namespace {

TEST(FileTypeWindow, ShowsItsTextsByteForByte) {
    TOwnForm<TForm4> form;
    form->Show();
    const struct {
        const char* name;
        HWND window;
        std::string text;
    } texts[] = {
        {"window", form->Handle(), "Инсталляция"},
        {"GroupBox1", form->GroupBox1->Handle(), "Зарегестрировать расширение Sonpix в системе "},
        {"StaticText1", form->StaticText1->Handle(),
         "Если вы зарегестрируйте расширение Sonpix ,то открывать эти файлы вы будете  "},
        {"StaticText2", form->StaticText2->Handle(),
         "просто кликнув в проводнике по файлу  (должны быть права Администратора)"},
        {"Button1", form->Button1->Handle(), "Зарегестрировать"},
    };
    for (const auto& t : texts) EXPECT_EQ(WindowText(t.window), t.text) << t.name;
    // "Зарегестрировать" in Windows-1251 bytes, spelt with "е" after "г".
    EXPECT_EQ(WindowText(form->Button1->Handle()),
              "\xC7\xE0\xF0\xE5\xE3\xE5\xF1\xF2\xF0\xE8\xF0\xEE\xE2\xE0\xF2\xFC");
}

// The association of the real keys is removed before and after each test that clicks.
class FileTypeWindowClick : public testing::Test {
protected:
    void SetUp() override { DeleteSonpixAssociation(); }
    void TearDown() override { DeleteSonpixAssociation(); }
};

TEST_F(FileTypeWindowClick, RegistersTheViewerAndHides) {
    TOwnForm<TForm4> form;
    form->Show();
    DrainMessages();
    ClickButton(form->Button1->Handle());
    EXPECT_FALSE(IsWindowVisible(form->Handle()));
    EXPECT_TRUE(IsWindow(form->Handle()));
    EXPECT_EQ(ReadStringValue(HKEY_CLASSES_ROOT, ".Sonpix"), "SonpixFile");
    EXPECT_EQ(ReadStringValue(HKEY_CLASSES_ROOT, "SonpixFile"), "Sonpix Data");
    EXPECT_EQ(ReadStringValue(HKEY_CLASSES_ROOT, "SonpixFile\\shell\\open\\command"),
              "\"" + ProgramFilePath() + "\" \"%1\"");
}

TEST_F(FileTypeWindowClick, ARegistryErrorIsShownAndTheWindowStaysOpen) {
    const struct {
        const char* name;
        bool failCreate;
        std::string message;
    } cases[] = {
        {"key creation refused", true, "Failed to create key .Sonpix."},
        {"value write refused", false, "Failed to set data for ''."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DeleteSonpixAssociation();
        const TRegistryApi& system = SystemRegistryApi();
        TRegistryApi refusing = system;
        if (c.failCreate)
            refusing.CreateKey = [](HKEY, const std::string&, HKEY*) { return LONG(ERROR_ACCESS_DENIED); };
        else
            refusing.SetString = [](HKEY, const std::string&, const std::string&) { return LONG(ERROR_ACCESS_DENIED); };
        TOwnForm<TForm4> form;
        form->RegistryApi = &refusing;
        form->Show();
        DrainMessages();
        TErrorCapture errors;
        ClickButton(form->Button1->Handle());
        EXPECT_EQ(errors.Shown(), std::vector<std::string>{c.message});
        EXPECT_TRUE(IsWindowVisible(form->Handle()));
        EXPECT_FALSE(ReadStringValue(HKEY_CLASSES_ROOT, ".Sonpix").has_value());
        EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "SonpixFile"));
    }
}

}  // namespace
