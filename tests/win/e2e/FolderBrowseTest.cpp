// The folder field's browse button from outside: a real click opens the dialog, a double-click
// opens a folder of Sonpix files, OK puts it into the field and the main window lists it.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/ControlIds.h"
#include "controls/SelectFolderDialogIds.h"
#include "tests/win/e2e/RealInput.h"
#include "tests/win/e2e/SampleFiles.h"
#include "tests/win/e2e/ViewerTest.h"
#include "tests/win/e2e/WindowProbe.h"

namespace {
class TFolderBrowseTest : public TViewerTest {};

TEST_F(TFolderBrowseTest, ChosenFolderIsListedAfterOk) {
    const std::string parent = m_scratch.Make("parent\\");
    const std::string samples = m_scratch.Make("parent\\samples\\");
    for (const char* name : {"Anna.sonpix", "Boris.sonpix"})
        ASSERT_TRUE(WriteSonpix(samples + name, SampleParts(3, "x"))) << name;
    // An argument that names no Sonpix file: the field starts on the process's current folder.
    HWND main = StartAndWaitForMainWindow("none", parent);
    ASSERT_NE(main, nullptr);
    HWND edit = Control(main, idDirectoryEdit1);
    HWND button = Control(main, idDirectoryEdit1Button);
    HWND list = Control(main, idListBox1);
    ASSERT_TRUE(edit && button && list);
    EXPECT_EQ(GetParent(GetParent(button)), edit) << "the button sits in its host inside the field";
    EXPECT_EQ(TextOf(edit), WithoutTrailingBackslash(parent));

    ClickAt(CentreOf(button));
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        dialog = FindTopLevelWindow(Viewer().Id(), kSelectFolderDialogClass);
        return dialog && IsWindowVisible(dialog);
    }, kWindowTimeoutMs)) << DescribeTopLevelWindows(Viewer().Id());
    EXPECT_EQ(TitleOf(dialog), "Select Directory");
    HWND folders = GetDlgItem(dialog, idFolderList);
    const std::vector<std::string> items = ListBoxItems(folders);
    const auto found = std::find(items.begin(), items.end(), "samples");
    ASSERT_NE(found, items.end()) << "no sub-folder samples in the folder list";
    RECT item{};
    GetClientRect(folders, &item);
    POINT point{30, static_cast<int>(found - items.begin()) * 17 + 8};
    ClientToScreen(folders, &point);
    ClickAt(point, 2);
    EXPECT_TRUE(WaitUntil([&] { return TextOf(GetDlgItem(dialog, idPathLabel)) == samples.substr(0, samples.size() - 1); },
                          kWindowTimeoutMs))
        << TextOf(GetDlgItem(dialog, idPathLabel));

    ClickAt(CentreOf(GetDlgItem(dialog, IDOK)));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }, kWindowTimeoutMs));
    EXPECT_TRUE(WaitUntil([&] { return ListBoxItems(list) == std::vector<std::string>{"Anna", "Boris"}; },
                          kWindowTimeoutMs));
    EXPECT_EQ(TextOf(edit), samples.substr(0, samples.size() - 1));
    EXPECT_TRUE(IsWindowEnabled(main)) << "the main window is usable again";
    EXPECT_EQ(Viewer().CloseAndWait(kExitTimeoutMs), std::optional<DWORD>(0));
}
}  // namespace
