// The main window's folder field: whatever puts a folder into it, a drop or typing, the list
// shows that folder's Sonpix files at once.
#include <gtest/gtest.h>

#include "app/Unit1.h"
#include "tests/support/DropFiles.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TestFolder.h"
#include "ui/Application.h"

namespace {
TEST(MainWindowFolderField, DropAndTypingListTheFolderAtOnce) {
    TTestFolder folder("mainfield");
    const std::string sub = folder.Make("sub\\");
    for (const char* name : {"sub\\one.sonpix", "sub\\two.sonpix", "top.sonpix"})
        ASSERT_TRUE(WriteBytesFile(folder / name, TBytes{1}));
    TForm1* form = Application->Create<TForm1>();
    TEdit* field = form->DirectoryEdit1;

    // A dropped file gives its folder with the trailing backslash.
    SendMessageA(field->Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({sub + "one.sonpix"})), 0);
    EXPECT_EQ(field->Text(), sub);
    EXPECT_EQ(form->ListBox1->Items(), (std::vector<std::string>{"one", "two"}));
    // A dropped folder gives itself, without one; the handler adds it.
    SendMessageA(field->Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({folder.Path() + "sub"})), 0);
    EXPECT_EQ(field->Text(), folder.Path() + "sub");
    EXPECT_EQ(form->ListBox1->Items(), (std::vector<std::string>{"one", "two"}));
    // Typing: deleting "sub" letter by letter lists every text on the way.
    SendMessageA(field->Handle(), EM_SETSEL, field->Text().size(), field->Text().size());
    for (int i = 0; i < 3; ++i) SendMessageA(field->Handle(), WM_CHAR, VK_BACK, 1);
    EXPECT_EQ(field->Text(), folder.Path());
    EXPECT_EQ(form->ListBox1->Items(), std::vector<std::string>{"top"});
    Application->RemoveComponent(form).reset();
}
}  // namespace
