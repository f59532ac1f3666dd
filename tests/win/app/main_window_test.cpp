// The main window: layout by control id, start-up steps, folder listing and selection.
#include <gtest/gtest.h>

#include <memory>

#include "app/ControlIds.h"
#include "app/Unit1.h"
#include "sys/mysys.h"
#include "tests/support/SonpixWriter.h"
#include "tests/support/TestFiles.h"
#include "tests/support/WindowLayout.h"
#include "ui/Application.h"
#include "tests/support/application/ErrorCapture.h"

namespace {
// A main window made without its creation handler, destroyed at the end of the test.
class TMainWindow {
public:
    TMainWindow() : m_form(Application->Create<TForm1>()) {}
    ~TMainWindow() { Application->RemoveComponent(m_form).reset(); }
    TForm1* operator->() const { return m_form; }

private:
    TForm1* m_form;
};

// Every control of the layout table under its parent, at its place for the layout asked for.
void ExpectPlaces(HWND form, bool wide) {
    for (const TControlPlace& place : kMainWindowPlaces) {
        SCOPED_TRACE(place.name);
        HWND control = FindControl(form, place.id);
        ASSERT_TRUE(control);
        EXPECT_EQ(GetParent(control), place.parentId ? FindControl(form, place.parentId) : form);
        EXPECT_EQ(ToString(BoundsInParent(control)), ToString(wide ? place.wide : place.narrow));
    }
}
}  // namespace

TEST(MainWindow, ControlsStandWhereTheLayoutPutsThem) {
    TMainWindow form;
    HWND window = form->Handle();
    ExpectPlaces(window, false);
    EXPECT_EQ(ToString(ScreenBounds(window)), ToString(kMainWindowNarrow));
    char className[64];
    GetClassNameA(window, className, sizeof className);
    EXPECT_STREQ(className, "TForm1");
    char caption[256];
    GetWindowTextA(window, caption, sizeof caption);
    EXPECT_EQ(std::string(caption).rfind("Сонпик Просмотрщик  1.2", 0), 0u);
    EXPECT_EQ(GetParent(FindControl(window, idStaticText1)), FindControl(window, idGroupBox1));
    EXPECT_EQ(GetParent(FindControl(window, idImage2)), FindControl(window, idGroupBox2));
    EXPECT_TRUE(form->CheckBox1->Checked());
    EXPECT_EQ(form->StaticText1->Caption(), "?");
    EXPECT_EQ(form->Image2->PictureWidth(), 287);
    EXPECT_EQ(form->Image2->PictureHeight(), 57);
    EXPECT_TRUE(form->Image1->Empty());
    // Keyboard order: the list first, then the folder field, the panel's button, the check box.
    HWND first = GetNextDlgTabItem(window, nullptr, FALSE);
    EXPECT_EQ(first, FindControl(window, idListBox1));
    HWND second = GetNextDlgTabItem(window, first, FALSE);
    EXPECT_EQ(second, FindControl(window, idDirectoryEdit1));
    HWND third = GetNextDlgTabItem(window, second, FALSE);
    EXPECT_EQ(third, FindControl(window, idButton1));
    EXPECT_EQ(GetNextDlgTabItem(window, third, FALSE), FindControl(window, idCheckBox1));
}

TEST(MainWindow, WideLayoutChangesOnlyItsValues) {
    TMainWindow form;
    form->ApplyWideLayout();
    ExpectPlaces(form->Handle(), true);
    EXPECT_EQ(ToString(ScreenBounds(form->Handle())), ToString(kMainWindowWide));
}

namespace {
// FormCreate in this process: the test exe's first argument is a gtest option, never a Sonpix file.
void ExpectStartUp(bool wide) {
    const std::string temp = GetTempFolder();
    for (const char* name : {"Tempsx.jpg", "Tempsx.wav", "Tempsxcop.txt", "Tempsxcop.jpg"})
        ASSERT_TRUE(WriteBytesFile(temp + name, BytesOf("old")));
    TMainWindow form;
    form->FormCreate(form.operator->());
    EXPECT_FALSE(FileExists(temp + "Tempsx.jpg"));
    EXPECT_FALSE(FileExists(temp + "Tempsx.wav"));
    EXPECT_FALSE(FileExists(temp + "Tempsxcop.txt"));
    EXPECT_TRUE(FileExists(temp + "Tempsxcop.jpg")) << "the maker's picture is not removed at start";
    DeleteFileQuietly(temp + "Tempsxcop.jpg");
    EXPECT_FALSE(form->Button1->Enabled());
    EXPECT_FALSE(PendingShow);
    EXPECT_TRUE(form->SharedJpeg != nullptr);
    EXPECT_EQ(form->Image1->Width(), wide ? 680 : 400);
    EXPECT_EQ(form->Width(), wide ? 940 : 642);
}
}  // namespace

TEST(MainWindow, StartUpRemovesStaleFilesDisablesMoreAndWidensOnWideScreens) { ExpectStartUp(true); }
TEST(MainWindow, StartUpKeepsTheNarrowLayout_At1023x768) { ExpectStartUp(false); }
TEST(MainWindow, StartUpWidensAtExactly1024_At1024x768) { ExpectStartUp(true); }

TEST(MainWindow, FolderIsListedWithOrWithoutTrailingBackslashAndSelectionExtracts) {
    const std::string folder = GetTempFolder() + "ui-listing\\";
    ForceFolderPath(folder);
    TSonpixFileParts parts;
    parts.picture = BytesOf("not a jpeg but bytes");
    parts.sound = BytesOf("RIFF....WAVE");
    parts.makerText = std::string("Автор");
    ASSERT_TRUE(WriteBytesFile(folder + "b.c.sonpix", BuildSonpix(parts)));
    ASSERT_TRUE(WriteBytesFile(folder + "A.SONPIX", BuildSonpix(parts)));
    ASSERT_TRUE(WriteBytesFile(folder + "other.txt", BytesOf("x")));
    ASSERT_TRUE(WriteBytesFile(folder + "h.sonpix", BytesOf("x")));
    SetFileAttributesA((folder + "h.sonpix").c_str(), FILE_ATTRIBUTE_HIDDEN);
    CreateDirectoryA((folder + "d.sonpix").c_str(), nullptr);

    TMainWindow form;
    const std::vector<std::string> expected{"A", "b.c", "d", "h"};
    for (const std::string& text : {folder, folder.substr(0, folder.size() - 1)}) {
        form->DirectoryEdit1->SetText(text);
        EXPECT_EQ(form->ListBox1->Items(), expected) << text;
        EXPECT_EQ(form->ListBox1->ItemIndex(), -1);
    }
    // Select "b.c" with the keyboard, as a user would. Its picture is no JPEG: the display
    // reports the decoder's error and leaves the picture hidden.
    std::vector<std::string> errors;
    {
        TErrorCapture capture;
        form->Button1->SetEnabled(false);  // as start-up leaves "Больше"
        form->ListBox1->SetFocus();
        SendMessageA(form->ListBox1->Handle(), WM_KEYDOWN, VK_DOWN, 0);
        SendMessageA(form->ListBox1->Handle(), WM_KEYDOWN, VK_DOWN, 0);
        errors = capture.Messages;
    }
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_EQ(errors[1].rfind("JPEG error #", 0), 0u) << errors[1];
    EXPECT_EQ(form->ListBox1->ItemIndex(), 1);
    EXPECT_EQ(form->ListBox1->Hint(), "b.c");
    EXPECT_EQ(form->StaticText1->Caption(), "Автор");
    EXPECT_TRUE(form->Button1->Enabled());
    EXPECT_FALSE(form->Image1->Visible());
    EXPECT_FALSE(form->Image2->Visible());
    const std::string temp = GetTempFolder();
    EXPECT_EQ(ReadBytesFile(temp + "Tempsx.wav"), parts.sound);
    // Another folder: the list changes, the current file's label stays.
    form->DirectoryEdit1->SetText(folder + "d.sonpix");
    EXPECT_TRUE(form->ListBox1->Items().empty());
    EXPECT_EQ(form->StaticText1->Caption(), "Автор");
    for (const char* name : {"b.c.sonpix", "A.SONPIX", "other.txt", "h.sonpix"}) {
        SetFileAttributesA((folder + name).c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA((folder + name).c_str());
    }
    RemoveDirectoryA((folder + "d.sonpix").c_str());
    RemoveDirectoryA(folder.c_str());
    for (const char* name : {"Tempsx.jpg", "Tempsx.wav", "Tempsxcop.jpg"}) DeleteFileQuietly(temp + name);
}
