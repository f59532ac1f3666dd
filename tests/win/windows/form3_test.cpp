// The author details window: its frame and controls, the memo filled the way the main window
// fills it (replaced text, vertical scrolling, wrapped lines, text shown unchanged), and hiding
// with OK or the close box without losing the content.
#include <gtest/gtest.h>

#include "tests/support/MessagePump.h"
#include "tests/support/WindowLayout.h"
#include "tests/win/windows/WindowsTestSupport.h"
#include "ui/GdiObjects.h"
#include "windows/Unit3.h"

namespace {

// What the main window does before it shows the window.
void Fill(TForm3& form, const std::string& makerText) {
    form.Memo1->Clear();
    form.Memo1->AddLine(makerText);
}

// A plain bitmap of this size, for the picture control.
TBitmapHandle MakeBitmap(int width, int height) {
    TClientDC screen(nullptr);
    return TBitmapHandle(CreateCompatibleBitmap(screen.Get(), width, height));
}

TEST(AuthorDetailsWindow, HasItsCaptionFrameAndControlsInPlace) {
    TOwnForm<TForm3> form;
    HWND window = form->Handle();
    EXPECT_EQ(TextOfWindow(window), "Кто Сделал этот Сонпик");
    EXPECT_EQ(ScreenBounds(window), (TBounds{5, 8, 548, 466}));
    const LONG style = StyleOf(window);
    EXPECT_TRUE(style & WS_THICKFRAME);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    EXPECT_FALSE(IsWindowVisible(window)) << "made hidden";

    const struct {
        const char* name;
        HWND control;
        TBounds bounds;
    } places[] = {
        {"Memo1", form->Memo1->Handle(), {8, 16, 521, 89}},
        {"Button1", form->Button1->Handle(), {456, 416, 75, 17}},
        {"Image1", form->Image1->Handle(), {8, 112, 521, 297}},
    };
    for (const auto& place : places) {
        EXPECT_EQ(GetParent(place.control), window) << place.name;
        EXPECT_EQ(BoundsInParent(place.control), place.bounds) << place.name << ": " << ToString(BoundsInParent(place.control));
    }
    EXPECT_EQ(TextOfWindow(form->Button1->Handle()), "OK");
    EXPECT_EQ(TextOfWindow(form->Memo1->Handle()), "Memo1");
    EXPECT_TRUE(form->Image1->Empty());
    // Keyboard order: the memo first, then the button.
    EXPECT_EQ(GetNextDlgTabItem(window, nullptr, FALSE), form->Memo1->Handle());
    EXPECT_EQ(GetNextDlgTabItem(window, form->Memo1->Handle(), FALSE), form->Button1->Handle());
}

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
    // Each fill replaces the whole text of the one before.
    for (const auto& c : cases) {
        Fill(*form.Get(), c.makerText);
        EXPECT_EQ(TextOfWindow(form->Memo1->Handle()), c.shown);
        EXPECT_EQ(form->Memo1->Text(), c.shown);
    }
}

TEST(AuthorDetailsWindow, TheMemoIsReadOnly) {
    TOwnForm<TForm3> form;
    Fill(*form.Get(), "Автор");
    form->Show();
    HWND memo = form->Memo1->Handle();
    EXPECT_TRUE(StyleOf(memo) & ES_READONLY);
    SendMessageA(memo, WM_CHAR, 'x', 0);
    SendMessageA(memo, WM_CHAR, VK_BACK, 0);
    DrainMessages();
    EXPECT_EQ(TextOfWindow(memo), "Автор\r\n");
}

TEST(AuthorDetailsWindow, ALongTextScrollsDownwardsAndItsLongLinesWrap) {
    TOwnForm<TForm3> form;
    std::string text;
    for (int line = 1; line <= 40; ++line) text += "Строка " + std::to_string(line) + "\r\n";
    const std::string longLine(400, 'W');
    Fill(*form.Get(), text + longLine);
    form->Show();
    DrainMessages();
    HWND memo = form->Memo1->Handle();
    EXPECT_TRUE(StyleOf(memo) & WS_VSCROLL);
    EXPECT_FALSE(StyleOf(memo) & WS_HSCROLL);
    EXPECT_FALSE(StyleOf(memo) & ES_AUTOHSCROLL);
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
    Fill(*form.Get(), "Мария");
    form->Image1->SetBitmap(MakeBitmap(300, 200));
    const HBITMAP picture = form->Image1->Bitmap();
    const struct {
        const char* name;
        void (*hide)(TForm3&);
    } ways[] = {
        {"OK", [](TForm3& f) { ClickButton(f.Button1->Handle()); }},
        {"close box", [](TForm3& f) { PressCloseBox(f.Handle()); }},
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
        EXPECT_EQ(TextOfWindow(form->Memo1->Handle()), shown);
        EXPECT_EQ(form->Image1->Bitmap(), picture);
        EXPECT_EQ(form->Image1->PictureWidth(), 300);
        form->Hide();
    }
}

}  // namespace
