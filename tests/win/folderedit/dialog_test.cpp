// The folder browse dialog: its window and controls, opening, the folder, file and drive lists,
// the path label, double-clicks, OK and Cancel, a folder deleted while shown, and its handles.
#include <gtest/gtest.h>

#include <thread>

#include "controls/SelectFolderDialog.h"
#include "tests/support/MessagePump.h"
#include "tests/support/ProcessCounters.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TestFolder.h"
#include "tests/support/WindowLayout.h"
#include "tests/support/application/ErrorCapture.h"
#include "tests/win/folderedit/FolderEditTestSupport.h"
#include "ui/Application.h"

namespace {
struct TPlace {
    int id;
    RECT bounds;  // left, top, width, height in the dialog's client area
};

RECT BoundsIn(HWND dialog, HWND control) {
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return RECT{r.left, r.top, r.right - r.left, r.bottom - r.top};
}


class TFolderDialogTest : public testing::Test {
protected:
    TCurrentFolderKept m_keptFolder;
    TErrorCapture m_errors;
};

TEST_F(TFolderDialogTest, WindowAndControlsStandWhereTheyBelong) {
    TSelectFolderDialog dialog(Application);
    EXPECT_EQ(WindowText(dialog.Handle()), "Select Directory");
    RECT client;
    GetClientRect(dialog.Handle(), &client);
    EXPECT_EQ(ToString(client), "0,0,424,255");
    RECT window;
    GetWindowRect(dialog.Handle(), &window);
    EXPECT_LE(std::abs((window.left + window.right) - GetSystemMetrics(SM_CXSCREEN)), 1) << "centred";
    EXPECT_LE(std::abs((window.top + window.bottom) - GetSystemMetrics(SM_CYSCREEN)), 1) << "centred";
    const TPlace places[] = {
        {idNameLabel, {8, 8, 92, 13}},      {idNameEdit, {8, 24, 313, 20}},     {idPathLabel, {8, 24, 313, 20}},
        {idFolderLabel, {8, 56, 66, 13}},   {idFolderList, {8, 72, 213, 123}},  {idFileLabel, {232, 56, 57, 13}},
        {idFileList, {232, 72, 185, 82}},   {idDriveLabel, {232, 176, 41, 13}}, {idDriveList, {232, 192, 185, 21}},
        {idNetworkButton, {8, 224, 77, 27}}, {idOkButton, {256, 224, 77, 27}},  {idCancelButton, {340, 224, 77, 27}},
    };
    for (const TPlace& place : places) {
        SCOPED_TRACE(place.id);
        HWND control = dialog.Item(place.id);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(ToString(BoundsIn(dialog.Handle(), control)), ToString(place.bounds));
    }
    // The folder list is cut to whole 17-pixel items, the file list to 13-pixel ones. The closed
    // drive list asks for 19 pixels (a 13-pixel field); Wine keeps it at least the font's text
    // height plus its frame, 21.
    EXPECT_EQ(SendMessageA(dialog.Item(idFolderList), LB_GETITEMHEIGHT, 0, 0), 17);
    EXPECT_EQ(SendMessageA(dialog.Item(idFileList), LB_GETITEMHEIGHT, 0, 0), 13);
    EXPECT_EQ(dialog.Item(idHelpButton), nullptr) << "help context 0 has no Help button";
    EXPECT_FALSE(IsWindowVisible(dialog.Item(idNameEdit)));
    ASSERT_EQ(GetProcAddress(GetModuleHandleA("user32.dll"), "WNETGETCAPS"), nullptr);
    EXPECT_FALSE(GetWindowLongA(dialog.Item(idNetworkButton), GWL_STYLE) & WS_VISIBLE)
        << "this platform offers no legacy network dialog";
    EXPECT_TRUE(GetWindowLongA(dialog.Item(idOkButton), GWL_STYLE) & BS_DEFPUSHBUTTON);
    EXPECT_EQ(GetNextDlgTabItem(dialog.Handle(), nullptr, FALSE), dialog.Item(idFolderList)) << "first tab stop";

    TSelectFolderDialog withHelp(Application, 7);
    EXPECT_EQ(ToString(BoundsIn(withHelp.Handle(), withHelp.Item(idOkButton))), "172,224,77,27");
    EXPECT_EQ(ToString(BoundsIn(withHelp.Handle(), withHelp.Item(idCancelButton))), "256,224,77,27");
    EXPECT_EQ(ToString(BoundsIn(withHelp.Handle(), withHelp.Item(idHelpButton))), "340,224,77,27");
}

TEST_F(TFolderDialogTest, OtherResolutionsScaleTheWholeWindowAndCentreIt) {
    TSelectFolderDialog dialog(Application, 0, 120);
    RECT client;
    GetClientRect(dialog.Handle(), &client);
    EXPECT_EQ(ToString(client), "0,0,530,319");
    RECT window;
    GetWindowRect(dialog.Handle(), &window);
    EXPECT_LE(std::abs((window.left + window.right) - GetSystemMetrics(SM_CXSCREEN)), 1) << "centred";
    EXPECT_EQ(ToString(BoundsIn(dialog.Handle(), dialog.Item(idOkButton))), "320,280,96,34");
    EXPECT_EQ(ToString(BoundsIn(dialog.Handle(), dialog.Item(idFolderLabel))), "10,70,83,16");
    EXPECT_EQ(SendMessageA(dialog.Item(idFolderList), LB_GETITEMHEIGHT, 0, 0), 21);
    EXPECT_EQ(dialog.Font().Height(), -14);
}

TEST_F(TFolderDialogTest, FolderListShowsTheWayDownTheOpenFolderAndSortedSubFolders) {
    // A tree right under the drive root, so that every indent is a fixed number.
    const std::string tree = "C:\\sonpix-tree-" + std::to_string(GetCurrentProcessId());
    for (const char* name : {"", "\\beta", "\\Alpha", "\\gamma", "\\Beta2", "\\gamma\\deep"})
        ASSERT_TRUE(CreateDirectoryA((tree + name).c_str(), nullptr)) << name;
    ASSERT_TRUE(WriteBytesFile(tree + "\\z.txt", TBytes{1}));
    ASSERT_TRUE(WriteBytesFile(tree + "\\A.sonpix", TBytes{1}));
    const std::string leaf = tree.substr(3);
    {
        TSelectFolderDialog dialog(Application);
        dialog.OpenInitialFolder(tree + "\\");
        EXPECT_EQ(dialog.Directory(), tree);
        struct TItem {
            std::string name;
            TFolderDialogGlyph glyph;
            int indent;
        };
        const TItem expected[] = {{"C:\\", fgOpenFolder, 2},      {leaf, fgCurrentFolder, 6},
                                  {"Alpha", fgClosedFolder, 10}, {"beta", fgClosedFolder, 10},
                                  {"Beta2", fgClosedFolder, 10}, {"gamma", fgClosedFolder, 10}};
        ASSERT_EQ(dialog.FolderItems().size(), std::size(expected));
        for (size_t i = 0; i < std::size(expected); ++i) {
            EXPECT_EQ(dialog.FolderItems()[i].name, expected[i].name) << i;
            EXPECT_EQ(dialog.FolderItems()[i].glyph, expected[i].glyph) << i;
            EXPECT_EQ(dialog.FolderItems()[i].indent, expected[i].indent) << i;
        }
        EXPECT_EQ(SendMessageA(dialog.Item(idFolderList), LB_GETCURSEL, 0, 0), 1) << "the open folder is highlighted";
        EXPECT_EQ(dialog.FileItems(), (std::vector<std::string>{"A.sonpix", "z.txt"}));

        // Down into gamma and back up to the root by double-clicks.
        DoubleClickFolder(dialog, "gamma");
        EXPECT_EQ(dialog.Directory(), tree + "\\gamma");
        EXPECT_EQ(CurrentFolderNow(), tree + "\\gamma");
        ASSERT_EQ(dialog.FolderItems().size(), 4u);
        EXPECT_EQ(dialog.FolderItems()[2].indent, 10);
        EXPECT_EQ(dialog.FolderItems()[3].name, "deep");
        EXPECT_EQ(dialog.FolderItems()[3].indent, 14);
        EXPECT_TRUE(dialog.FileItems().empty());
        DoubleClickFolder(dialog, "C:\\");
        EXPECT_EQ(dialog.Directory(), "C:\\");
        EXPECT_EQ(dialog.FolderItems()[0].glyph, fgCurrentFolder);
        EXPECT_EQ(WindowText(dialog.Item(idPathLabel)), "C:\\");
    }
    SetCurrentDirectoryA("C:\\");
    RemoveFolderTree(tree + "\\");
}

TEST_F(TFolderDialogTest, InitialFolderDecidesWhereItOpens) {
    TTestFolder folder("dialog");
    const std::string music = folder.Make("Music\\");
    const std::string musicFolder = music.substr(0, music.size() - 1);
    ASSERT_TRUE(SetCurrentDirectoryA(musicFolder.c_str()));
    const struct {
        std::string initial, opens;
    } cases[] = {
        {"\\", "C:\\"}, {music, musicFolder}, {musicFolder, musicFolder}, {"C:\\", "C:\\"},
        {"Q:\\", "C:\\"},  // a missing drive leaves the current folder
        {"c:\\", "c:\\"},  // the path as the platform reports it
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.initial);
        TSelectFolderDialog dialog(Application);
        dialog.OpenInitialFolder(c.initial);
        EXPECT_EQ(dialog.Directory(), c.opens);
        EXPECT_EQ(CurrentFolderNow(), c.opens);
    }
    EXPECT_TRUE(m_errors.Messages.empty());
    SetCurrentDirectoryA("C:\\");
}

TEST_F(TFolderDialogTest, RunReturnsTheOpenFolderOnOkAndNothingOnCancel) {
    TTestFolder folder("dialogrun");
    const std::string a = folder.Make("A\\");
    const std::string b = folder.Make("A\\B\\");
    const std::string aFolder = a.substr(0, a.size() - 1);
    const std::string bFolder = b.substr(0, b.size() - 1);
    const struct {
        const char* what;
        std::string initial;
        std::vector<TDialogScript::TStep> steps;
        bool accepted;
        std::string folder;  // returned when accepted, the current folder afterwards in any case
    } cases[] = {
        {"OK at once", a, {PressOk}, true, aFolder},
        {"a drive root keeps its backslash", "C:\\", {PressOk}, true, "C:\\"},
        {"double-click, then OK", a, {[](TSelectFolderDialog& d) { DoubleClickFolder(d, "B"); }, PressOk}, true, bFolder},
        {"single click only highlights",
         a,
         {[](TSelectFolderDialog& d) { SendMessageA(d.Item(idFolderList), LB_SETCURSEL, 2, 0); }, PressOk},
         true,
         aFolder},
        {"cancel after a double-click", a, {[](TSelectFolderDialog& d) { DoubleClickFolder(d, "B"); }, PressCancel}, false, bFolder},
        {"close box", a, {PressCloseBox}, false, aFolder},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TDialogScript script(c.steps);
        std::string result = "unchanged";
        EXPECT_EQ(TSelectFolderDialog::Run(c.initial, result, 0), c.accepted);
        EXPECT_EQ(result, c.accepted ? c.folder : "unchanged");
        EXPECT_EQ(CurrentFolderNow(), c.folder) << "the last opened folder stays current";
        EXPECT_EQ(script.LeftOpen(), 0);
        EXPECT_EQ(ShownFolderDialog(), nullptr);
    }
    SetCurrentDirectoryA("C:\\");
}

TEST_F(TFolderDialogTest, SecondThreadCanPressOk) {
    TTestFolder folder("dialogthread");
    const std::string a = folder.Make("A\\");
    std::thread presser([] {
        for (int i = 0; i < 500; ++i) {
            HWND dialog = FindWindowA(kSelectFolderDialogClass, nullptr);
            if (dialog && IsWindowVisible(dialog)) {
                PostMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
                return;
            }
            Sleep(10);
        }
    });
    std::string result;
    const bool accepted = TSelectFolderDialog::Run(a, result, 0);
    presser.join();
    EXPECT_TRUE(accepted);
    EXPECT_EQ(result, a.substr(0, a.size() - 1));
    SetCurrentDirectoryA("C:\\");
}

TEST_F(TFolderDialogTest, FolderDeletedWhileShownIsReportedAndTheDialogStaysUsable) {
    TTestFolder folder("dialoggone");
    const std::string a = folder.Make("A\\");
    folder.Make("A\\gone\\");
    folder.Make("A\\kept\\");
    const std::string aFolder = a.substr(0, a.size() - 1);
    std::vector<std::string> namesAfter;
    std::string result;
    TDialogScript script({[&](TSelectFolderDialog& d) {
                              ASSERT_TRUE(RemoveDirectoryA((a + "gone").c_str()));
                              DoubleClickFolder(d, "gone");
                              for (const auto& item : d.FolderItems()) namesAfter.push_back(item.name);
                          },
                          PressOk});
    EXPECT_TRUE(TSelectFolderDialog::Run(a, result, 0));
    EXPECT_EQ(result, aFolder);
    ASSERT_EQ(m_errors.Messages.size(), 1u);
    EXPECT_NE(m_errors.Messages[0].find("gone"), std::string::npos) << m_errors.Messages[0];
    ASSERT_FALSE(namesAfter.empty());
    EXPECT_EQ(namesAfter.back(), "kept") << "the list is read again without the deleted folder";
    m_errors.Messages.clear();
    SetCurrentDirectoryA("C:\\");
}

TEST_F(TFolderDialogTest, DriveListOfThisMachine) {
    TSelectFolderDialog dialog(Application);
    // A Wine prefix has drive c: (its own folder) and drive z: (the host's root), both fixed,
    // both without a volume label.
    EXPECT_EQ(dialog.DriveItems(), (std::vector<std::string>{"c: []", "z: []"}));
    dialog.OpenInitialFolder("C:\\");
    EXPECT_EQ(SendMessageA(dialog.Item(idDriveList), CB_GETCURSEL, 0, 0), 0);
    dialog.ChooseDrive(1);
    EXPECT_EQ(dialog.Directory().substr(0, 3), "Z:\\");
    EXPECT_EQ(SendMessageA(dialog.Item(idDriveList), CB_GETCURSEL, 0, 0), 1);
    EXPECT_TRUE(m_errors.Messages.empty());
    SetCurrentDirectoryA("C:\\");
}

TEST_F(TFolderDialogTest, PathLabelShortensALongPathToItsWidth) {
    TTestFolder folder("dialoglabel");
    std::string deep = folder.Path();
    for (int i = 0; i < 6; ++i) deep = folder.Make(deep.substr(folder.Path().size()) + "a rather long folder name\\");
    deep += "end";
    CreateDirectoryA(deep.c_str(), nullptr);
    TSelectFolderDialog dialog(Application);
    dialog.OpenInitialFolder(deep);
    const std::string shown = dialog.PathLabelText();
    EXPECT_EQ(shown.substr(0, 14), "C:\\...\\a rathe") << shown;
    EXPECT_LT(shown.size(), deep.size());
    EXPECT_EQ(shown.substr(shown.size() - 4), "\\end");
    EXPECT_EQ(WindowText(dialog.Item(idPathLabel)), deep) << "the label keeps the whole path as its text";
    SetCurrentDirectoryA("C:\\");
}

TEST_F(TFolderDialogTest, DialogsLeaveNoGdiObjectsOrWindowsBehind) {
    {
        TSelectFolderDialog warmUp(Application);
    }
    const DWORD before = GdiObjectCount();
    for (int i = 0; i < 30; ++i) {
        TDialogScript script({PressOk});
        std::string result;
        TSelectFolderDialog::Run("C:\\", result, 0);
    }
    DrainMessages();
    EXPECT_LE(GdiObjectCount(), before + 2) << "before " << before;
    EXPECT_EQ(FindWindowA(kSelectFolderDialogClass, nullptr), nullptr);
}
}  // namespace
