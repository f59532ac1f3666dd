// The author details window: the memo filled the way the main window fills it (replaced text,
// vertical scrolling, wrapped lines, text shown unchanged), and hiding with OK or the close box
// without losing the content.
#include <gtest/gtest.h>

#include "sys/GdiObjects.h"
#include "tests/support/MessagePump.h"
#include "tests/support/application/Bitmaps.h"
#include "tests/win/windows/WindowsTestSupport.h"
#include "windows/Unit3.h"

namespace {

TEST(AuthorDetailsWindow, TheMemoShowsTheMakersTextUnchangedAndOnlyThat) {
    TOwnForm<TForm3> form;
    const struct {
        const char* makerText;
        const char* shown;
    } cases[] = {
        {"Иван Петров\r\nФото & звук", "Иван Петров\r\nФото & звук\r\n"},
        {"", "\r\n"},
        {"a&&b &x", "a&&b &x\r\n"},
        {"Ёжик\r\n\r\n", "Ёжик\r\n\r\n\r\n"},
    };
    // Each fill replaces the whole text of the one before; the first one comes before the
    // window's first show, when its controls have no windows yet.
    for (const auto& c : cases) {
        form->SetMakerText(c.makerText);
        form->Show();
        EXPECT_EQ(WindowText(form->Memo1->Handle()), c.shown);
        EXPECT_EQ(form->Memo1->Text(), c.shown);
    }
}

TEST(AuthorDetailsWindow, ALongTextScrollsDownwardsAndItsLongLinesWrap) {
    TOwnForm<TForm3> form;
    std::string text;
    for (int line = 1; line <= 40; ++line) text += "Строка " + std::to_string(line) + "\r\n";
    const std::string longLine(400, 'W');
    form->SetMakerText(text + longLine);
    form->Show();
    DrainMessages();
    HWND memo = form->Memo1->Handle();
    const LONG style = GetWindowLongA(memo, GWL_STYLE);
    EXPECT_TRUE(style & WS_VSCROLL);
    EXPECT_FALSE(style & (WS_HSCROLL | ES_AUTOHSCROLL));
    EXPECT_TRUE(style & ES_READONLY);
    // 41 lines of text and the empty one after the last break; the 400 letters take several rows.
    EXPECT_GE(SendMessageA(memo, EM_GETLINECOUNT, 0, 0), 41 + 1 + 2);

    SendMessageA(memo, WM_VSCROLL, SB_BOTTOM, 0);
    DrainMessages();
    EXPECT_GT(SendMessageA(memo, EM_GETFIRSTVISIBLELINE, 0, 0), 30);
    // Sideways the box does not move: the long line's rows all start at the left edge.
    SendMessageA(memo, WM_HSCROLL, SB_RIGHT, 0);
    DrainMessages();
    const LRESULT lastLine = SendMessageA(memo, EM_GETLINECOUNT, 0, 0) - 1;
    const LRESULT lastRowStart = SendMessageA(memo, EM_LINEINDEX, lastLine - 1, 0);
    const LRESULT position = SendMessageA(memo, EM_POSFROMCHAR, lastRowStart, 0);
    EXPECT_LE(static_cast<short>(LOWORD(position)), 4);
}

TEST(AuthorDetailsWindow, OkAndTheCloseBoxHideItAndShowingAgainKeepsTheContent) {
    TOwnForm<TForm3> form;
    const std::string shown = "Мария\r\n";
    form->SetMakerText("Мария");
    form->Image1->SetBitmap(MakeBitmap(300, 200));
    const HBITMAP picture = form->Image1->Bitmap();
    const struct {
        const char* name;
        void (*hide)(TForm3&);
    } ways[] = {
        {"OK", [](TForm3& f) { ClickButton(f.Button1->Handle()); }},
        {"close box", [](TForm3& f) { SendMessageA(f.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.name);
        form->Show();
        DrainMessages();
        ASSERT_TRUE(IsWindowVisible(form->Handle()));
        way.hide(*form.Get());
        EXPECT_FALSE(IsWindowVisible(form->Handle()));
        EXPECT_TRUE(IsWindow(form->Handle())) << "hidden, not destroyed";
        form->Show();
        DrainMessages();
        EXPECT_TRUE(IsWindowVisible(form->Handle()));
        EXPECT_EQ(WindowText(form->Memo1->Handle()), shown);
        EXPECT_EQ(form->Image1->Bitmap(), picture);
        EXPECT_EQ(form->Image1->PictureWidth(), 300);
        form->Hide();
    }
}

}  // namespace
