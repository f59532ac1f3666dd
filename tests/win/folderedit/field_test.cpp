// The folder field: layout and button pixels, OnChange from every source, keys, drops and bad input.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "controls/FolderEdit.h"
#include "controls/FolderEditGlyph.h"
#include "sys/ErrorModeGuard.h"
#include "tests/support/DropFiles.h"
#include "tests/support/MessagePump.h"
#include "tests/support/Pixels.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TestFolder.h"
#include "tests/support/WindowLayout.h"
#include "tests/support/application/ErrorCapture.h"
#include "tests/win/folderedit/FolderEditTestSupport.h"
#include "ui/Application.h"

namespace {
std::string WithoutBackslash(std::string folder) {
    if (folder.size() > 3 && folder.back() == '\\') folder.pop_back();
    return folder;
}

RECT ClientBoundsOf(HWND window) {
    RECT bounds;
    GetWindowRect(window, &bounds);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&bounds), 2);
    return bounds;
}


class TFolderFieldTest : public testing::Test {
protected:
    void SetUp() override {
        m_field = m_form->Create<TFolderEdit>();
        m_field->SetBounds(8, 0, 209, 21);
        m_field->SetParent(m_form.Get());
        m_field->OnChange = [this](TObject*) { ++m_changes; };
        m_a = WithoutBackslash(m_folder.Make("A\\"));
        m_b = WithoutBackslash(m_folder.Make("B\\"));
        DrainMessages();
    }
    void TearDown() override { EXPECT_EQ(m_errors.Messages, std::vector<std::string>{}); }

    // Clicks the field's button with a script driving the dialog it opens.
    int Browse(std::vector<TDialogScript::TStep> steps) {
        TDialogScript script(std::move(steps));
        SendMessageA(m_field->Button()->Handle(), BM_CLICK, 0, 0);
        EXPECT_EQ(script.LeftOpen(), 0) << "the dialog was left open";
        return script.StepsRun();
    }
    void Select(int start, int end) { SendMessageA(m_field->Handle(), EM_SETSEL, start, end); }
    DWORD Selection() const { return static_cast<DWORD>(SendMessageA(m_field->Handle(), EM_GETSEL, 0, 0)); }
    std::string WindowText() const {
        char buffer[1024] = "";
        GetWindowTextA(m_field->Handle(), buffer, sizeof buffer);
        return buffer;
    }

    TErrorCapture m_errors;  // made before the form, so it outlives what the form reports
    TCurrentFolderKept m_keptFolder;
    TTestFolder m_folder{"folderedit"};
    TShownForm m_form;
    TFolderEdit* m_field = nullptr;
    int m_changes = 0;
    std::string m_a, m_b;
};

// --- layout ---------------------------------------------------------------------------------

struct TLayoutCase {
    TFieldBorder border;
    RECT host;
    RECT text;
};

TEST(ButtonFieldLayoutTest, HostAndTextAreaForEachBorder) {
    const TLayoutCase cases[] = {
        {fbThreeD, {184, 0, 205, 17}, {0, 0, 183, 16}},
        {fbThemed, {186, 0, 207, 19}, {1, 1, 185, 18}},
        {fbNone, {188, 0, 209, 21}, {0, 0, 186, 20}},
        {fbSingleFlat, {186, 2, 207, 19}, {0, 0, 186, 18}},
    };
    for (const TLayoutCase& c : cases) {
        SCOPED_TRACE(c.border);
        const TButtonFieldLayout layout = ButtonFieldLayout(c.border, 209, 21, 21);
        EXPECT_EQ(ToString(layout.host), ToString(c.host));
        EXPECT_EQ(ToString(layout.text), ToString(c.text));
    }
}

TEST_F(TFolderFieldTest, FieldOfTheMainWindowHasItsClientAreaHostAndTextArea) {
    RECT client;
    GetClientRect(m_field->Handle(), &client);
    EXPECT_EQ(ToString(client), "0,0,205,17");
    EXPECT_EQ(ToString(ClientBoundsOf(m_field->Host()->Handle())), "184,0,205,17");
    EXPECT_EQ(ToString(ClientBoundsOf(m_field->Button()->Handle())), "0,0,21,17");
    EXPECT_EQ(m_field->ButtonWidth(), 21);
    EXPECT_TRUE(GetWindowLongA(m_field->Handle(), GWL_STYLE) & ES_MULTILINE);
    EXPECT_TRUE(GetWindowLongA(m_field->Handle(), GWL_STYLE) & ES_OEMCONVERT);
    // The edit moves the rectangle it was given (0, 0, 183, 16) 1 pixel inside its sunken edge
    // and cuts it to whole lines; its right end stays left of the host.
    RECT text{};
    SendMessageA(m_field->Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&text));
    EXPECT_EQ(ToString(text), "1,1,182,14");
}

TEST_F(TFolderFieldTest, HostFollowsTheBorderAndTheHeightNeverFallsBelowTheText) {
    struct TCase {
        bool ctl3D, border;
        const char* host;
    } cases[] = {{false, true, "186,2,207,19"}, {true, false, "188,0,209,21"}, {true, true, "184,0,205,17"}};
    for (const TCase& c : cases) {
        m_field->SetCtl3D(c.ctl3D);
        m_field->SetHasBorder(c.border);
        EXPECT_EQ(ToString(ClientBoundsOf(m_field->Host()->Handle())), c.host) << c.ctl3D << c.border;
    }
    m_field->SetHeight(10);
    m_field->SetCtl3D(false);
    m_field->SetCtl3D(true);
    EXPECT_EQ(m_field->Height(), 21) << "13-pixel text plus 8 border pixels";
}

TEST_F(TFolderFieldTest, ButtonShowsTheGlyphRaisedWithItsTwoRepaintedColumns) {
    TEditButton* button = m_field->Button();
    const TPixels pixels = TPixels::OfDrawing(21, 17, [&](HDC dc) { button->PaintTo(dc); });
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
    for (int y = 0; y <= 15; ++y) EXPECT_EQ(pixels.ColorAt(0, y), face) << "column 0, row " << y;
    for (int y = 1; y <= 14; ++y) EXPECT_EQ(pixels.ColorAt(1, y), highlight) << "column 1, row " << y;
    EXPECT_NE(pixels.ColorAt(20, 16), face) << "the lower right frame of a raised button";
    // The glyph stands at (3, 2): its dark-blue mark, yellow face, black outline; magenta
    // corners show the face.
    EXPECT_EQ(pixels.ColorAt(3 + 6, 2 + 6), RGB(0, 0, 128));
    EXPECT_EQ(pixels.ColorAt(3 + 1, 2 + 4), RGB(255, 255, 0));
    EXPECT_EQ(pixels.ColorAt(3 + 0, 2 + 3), RGB(0, 0, 0));
    EXPECT_EQ(pixels.ColorAt(3 + 13, 2 + 0), face);
    int width = 0, height = 0;
    ASSERT_TRUE(ImageList_GetIconSize(FolderEditImages(), &width, &height));
    EXPECT_EQ(width * 100 + height, 1412);
    EXPECT_EQ(ImageList_GetImageCount(FolderEditImages()), 1);
    EXPECT_EQ(FolderEditImages(), button->Images()) << "one image list for every field";
}

TEST_F(TFolderFieldTest, LongTextNeverRunsUnderTheButton) {
    const TPixels before = TPixels::OfDrawing(21, 17, [&](HDC dc) { m_field->Button()->PaintTo(dc); });
    m_field->SetText(std::string(200, 'W'));
    SendMessageA(m_field->Handle(), EM_SETSEL, 200, 200);
    UpdateWindow(m_field->Handle());
    HDC dc = GetDC(m_field->Host()->Handle());
    RedrawWindow(m_field->Host()->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    UpdateWindow(m_field->Handle());
    EXPECT_EQ(GetPixel(dc, 3 + 6, 2 + 6), RGB(0, 0, 128)) << "the glyph is painted over";
    ReleaseDC(m_field->Host()->Handle(), dc);
    EXPECT_EQ(before.ColorAt(9, 8), RGB(0, 0, 128));
}

// --- OnChange -------------------------------------------------------------------------------

TEST_F(TFolderFieldTest, TypingUndoAndPasteEachRaiseOnChange) {
    m_field->SetText("");
    m_changes = 0;
    SendMessageA(m_field->Handle(), WM_CHAR, 'a', 1);
    SendMessageA(m_field->Handle(), WM_CHAR, 'b', 1);
    EXPECT_EQ(m_changes, 2) << "typing";
    EXPECT_EQ(m_field->Text(), "ab");
    SendMessageA(m_field->Handle(), EM_UNDO, 0, 0);
    EXPECT_EQ(m_changes, 3) << "undo";
    EXPECT_EQ(m_field->Text(), "");
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL text = GlobalAlloc(GMEM_MOVEABLE, 4);
    std::memcpy(GlobalLock(text), "xyz", 4);
    GlobalUnlock(text);
    SetClipboardData(CF_TEXT, text);
    CloseClipboard();
    SendMessageA(m_field->Handle(), WM_PASTE, 0, 0);
    EXPECT_EQ(m_changes, 4) << "paste";
    EXPECT_EQ(m_field->Text(), "xyz");
}

TEST_F(TFolderFieldTest, ProgramAssignmentRaisesOnChangeOnlyForADifferentText) {
    m_field->SetText(m_a);
    m_changes = 0;
    m_field->SetText(m_a);
    EXPECT_EQ(m_changes, 0);
    m_field->SetText(m_b);
    EXPECT_EQ(m_changes, 1);
    EXPECT_EQ(WindowText(), m_b);
}

struct TBrowseCase {
    const char* what;
    bool selectAll;
    bool openB;  // the user opens B in the dialog, else accepts what it shows
    bool ok;     // OK, else Cancel
    int changes;
    bool endsOnB;
};

TEST_F(TFolderFieldTest, BrowseRaisesOnChangeForWhatItChanges) {
    const TBrowseCase cases[] = {
        {"accepted with the text selected", true, true, true, 2, true},
        {"accepted with nothing selected", false, true, true, 1, true},
        {"accepted, same folder, nothing selected", false, false, true, 0, false},
        {"cancelled after opening another folder", true, true, false, 0, false},
    };
    for (const TBrowseCase& c : cases) {
        SCOPED_TRACE(c.what);
        m_field->SetText(m_a);
        m_field->SetInitialDir("");
        m_field->SetFocus();
        if (c.selectAll) Select(0, -1);
        else Select(1, 1);
        const DWORD selection = Selection();
        m_changes = 0;
        std::vector<TDialogScript::TStep> steps;
        if (c.openB) steps.push_back([&](TSelectFolderDialog& dialog) { dialog.OpenFolder(m_b); });
        steps.push_back(c.ok ? PressOk : PressCancel);
        EXPECT_EQ(Browse(steps), static_cast<int>(steps.size()));
        EXPECT_EQ(m_changes, c.changes);
        EXPECT_EQ(m_field->Text(), c.endsOnB ? m_b : m_a);
        EXPECT_EQ(WindowText(), m_field->Text());
        EXPECT_EQ(m_field->InitialDir(), c.ok ? m_field->Text() : "");
        if (!c.ok) {
            EXPECT_EQ(Selection(), selection) << "cancel keeps the selection";
        }
    }
}

TEST_F(TFolderFieldTest, CloseBoxLeavesEverythingAsItWas) {
    m_field->SetText(m_a);
    m_field->SetInitialDir(m_b);
    m_changes = 0;
    Browse({[&](TSelectFolderDialog& dialog) { dialog.OpenFolder(m_b); }, PressCloseBox});
    EXPECT_EQ(m_changes, 0);
    EXPECT_EQ(m_field->Text(), m_a);
    EXPECT_EQ(m_field->InitialDir(), m_b);
}

TEST_F(TFolderFieldTest, DialogOpensOnTheFieldsFolderOrInitialDirOrTheRoot) {
    ASSERT_TRUE(SetCurrentDirectoryA(m_folder.Path().c_str()));
    const std::string root = m_folder.Path().substr(0, 3);
    struct TCase {
        std::string text, initialDir, opens;
    } cases[] = {
        {m_a, "", m_a},
        {"", m_b, m_b},
        {"", "", root},
        {m_folder / "missing", "", root},
        {"Q:\\music", "", root},                                   // a drive that does not exist
        {m_a + "\\" + std::string(300, 'x'), "", root},          // longer than any path
        {m_folder / "file.txt", "", root},                        // a file, not a folder
    };
    ASSERT_TRUE(WriteBytesFile(m_folder / "file.txt", TBytes{1, 2, 3}));
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.text);
        m_field->SetText(c.text);
        m_field->SetInitialDir(c.initialDir);
        std::string opened;
        UINT mode = 0;
        Browse({[&](TSelectFolderDialog& dialog) {
                    opened = dialog.Directory();
                    mode = SetErrorMode(0);
                    SetErrorMode(mode);
                },
                PressCancel});
        EXPECT_EQ(opened, c.opens);
        EXPECT_EQ(mode, static_cast<UINT>(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX));
        EXPECT_EQ(m_field->Text(), c.text) << "cancel changes nothing";
    }
}

TEST(ErrorModeGuardTest, PreviousModeComesBackAfterAnException) {
    const UINT before = SetErrorMode(0);
    SetErrorMode(before);
    try {
        TErrorModeGuard guard(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
        throw std::runtime_error("inside the dialog");
    } catch (const std::runtime_error&) {
    }
    const UINT after = SetErrorMode(0);
    SetErrorMode(after);
    EXPECT_EQ(after, before);
}

TEST_F(TFolderFieldTest, HooksRunInOrderAndCanStopTheDialog) {
    std::vector<std::string> calls;
    m_field->OnButtonClick = [&](TObject*) { calls.push_back("button"); };
    m_field->OnBeforeDialog = [&](TObject*, std::string& start, bool& proceed) {
        calls.push_back("before " + start);
        proceed = calls.size() > 2;
    };
    m_field->OnAfterDialog = [&](TObject*, std::string& folder, bool& accepted) {
        calls.push_back("after " + folder + (accepted ? " ok" : " no"));
    };
    m_field->SetText(m_a);
    EXPECT_EQ(Browse({PressOk}), 0) << "no dialog when the hook says stop";
    Browse({PressOk});
    EXPECT_EQ(calls, (std::vector<std::string>{"button", "before " + m_a, "button", "before " + m_a,
                                               "after " + m_a + " ok"}));
    m_field->SetReadOnly(true);
    Browse({});
    EXPECT_EQ(calls.size(), 5u) << "a read-only field opens nothing";
}

// --- keys -----------------------------------------------------------------------------------

TEST_F(TFolderFieldTest, AltDownOpensTheDialogAndIsConsumed) {
    m_field->SetText(m_a);
    m_changes = 0;
    TDialogScript script({PressCancel});
    PostMessageA(m_field->Handle(), WM_SYSKEYDOWN, VK_DOWN, 1 | (1 << 29));
    PumpMessagesUntil([&] { return script.StepsRun() == 1; }, 5000);
    EXPECT_EQ(script.StepsRun(), 1) << "no dialog";
    EXPECT_EQ(m_field->Text(), m_a);
    EXPECT_EQ(m_changes, 0);
}

TEST_F(TFolderFieldTest, EnterTabAndLineFeedAddNothing) {
    m_field->SetText("abc");
    m_field->SetFocus();
    Select(3, 3);
    m_changes = 0;
    const struct {
        UINT message;
        WPARAM key;
    } keys[] = {{WM_KEYDOWN, VK_RETURN}, {WM_CHAR, '\r'}, {WM_CHAR, '\t'}, {WM_CHAR, '\n'}, {WM_CHAR, 27}};
    for (const auto& key : keys) SendMessageA(m_field->Handle(), key.message, key.key, 1);
    // Through the application's keyboard handling as well, as a user's Enter arrives.
    PostMessageA(m_field->Handle(), WM_KEYDOWN, VK_RETURN, 1);
    Application->ProcessMessages();
    EXPECT_EQ(m_field->Text(), "abc");
    EXPECT_EQ(WindowText(), "abc");
    EXPECT_EQ(m_changes, 0);
    EXPECT_TRUE(IsWindowVisible(m_form->Handle())) << "Esc or Enter closed the form";
}

TEST_F(TFolderFieldTest, FocusFromElsewhereSelectsAllTheText) {
    m_field->SetText("C:\\folder");
    SetFocus(m_form->Handle());
    Select(0, 0);
    m_field->SetFocus();
    EXPECT_EQ(Selection(), static_cast<DWORD>(MAKELONG(0, 9)));
}

// --- drops ----------------------------------------------------------------------------------

TEST_F(TFolderFieldTest, DropGivesTheFilesFolderOrTheFolderItself) {
    ASSERT_TRUE(WriteBytesFile(m_folder / "A\\b.txt", TBytes{1}));
    const std::string tooLong = m_folder.Path() + std::string(260 - m_folder.Path().size(), 'n');
    const struct {
        const char* what;
        std::vector<std::string> items;
        std::string text;
        int changes;
    } cases[] = {
        {"a file", {m_a + "\\b.txt"}, m_a + "\\", 1},
        {"a folder", {m_a}, m_a, 1},
        {"three folders", {m_a, m_b, m_folder.Path()}, m_a, 1},
        {"a name longer than 255", {tooLong}, m_b, 0},
        {"nothing", {}, m_b, 0},
    };
    m_field->SetText(m_b);
    int drops = 0;
    m_field->OnDropFiles = [&](TObject*) { ++drops; };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        m_field->SetText(m_b);
        m_changes = 0;
        drops = 0;
        EXPECT_EQ(SendMessageA(m_field->Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(c.items)), 0), 0);
        EXPECT_EQ(m_field->Text(), c.text);
        EXPECT_EQ(m_changes, c.changes);
        EXPECT_EQ(drops, c.changes);
    }
    EXPECT_TRUE(GetWindowLongA(m_field->Handle(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
    m_field->SetAcceptFiles(false);
    EXPECT_FALSE(GetWindowLongA(m_field->Handle(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
}
}  // namespace
