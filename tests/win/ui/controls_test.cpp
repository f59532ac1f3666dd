// Behaviour of the single controls: label sizing and access keys, sorted list and keyboard
// selection, timer ticks, glyph button clicks without focus, picture placement.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "UiTestSupport.h"
#include "sys/GdiObjects.h"
#include "tests/support/MessagePump.h"
#include "tests/support/Pixels.h"
#include "ui/Image.h"
#include "ui/ListBox.h"
#include "ui/SpeedButton.h"
#include "ui/StaticText.h"
#include "ui/Timer.h"

namespace {
SIZE CalcText(const TFont& font, const std::string& text, UINT extra = 0) {
    HDC screen = GetDC(nullptr);
    HGDIOBJ old = SelectObject(screen, font.Handle());
    RECT rect{0, 0, 0, 0};
    DrawTextA(screen, text.c_str(), static_cast<int>(text.size()), &rect, DT_LEFT | DT_EXPANDTABS | DT_CALCRECT | extra);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    return SIZE{rect.right, rect.bottom};
}

// The tool tip window of this thread owned by the form, or null.
HWND ToolTipOwnedBy(HWND form) {
    struct TSearch {
        HWND owner, found;
    } search{form, nullptr};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<TSearch*>(data);
            if (WindowClass(window) != TOOLTIPS_CLASSA || GetWindow(window, GW_OWNER) != s->owner) return TRUE;
            s->found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string ToolTipText(HWND tip, HWND control) {
    char text[80] = {};
    TTTOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.hwnd = control;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = text;
    SendMessageA(tip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
    return text;
}

TFont BoldLabelFont() {
    TFont font;
    font.SetStyle(fsBold);
    font.SetColor(clRed);
    return font;
}
}  // namespace

TEST(StaticText, SizesItselfToItsTextWithTwoPixelsAround) {
    TScratchForm form;
    auto* label = form->Create<TStaticText>();
    label->SetFont(BoldLabelFont());
    label->SetParent(form.Get());
    const char* texts[] = {"?", "Сонпик", "A&B", "A&&B", "line one\r\nsecond, longer line", "tab\there", "a\r\nb\r\nc"};
    for (const char* text : texts) {
        label->SetCaption(text);
        const SIZE expected = CalcText(label->Font(), text);
        EXPECT_EQ(label->Width(), expected.cx + 4) << text;
        EXPECT_EQ(label->Height(), expected.cy + 4) << text;
        RECT window;
        GetWindowRect(label->Handle(), &window);
        EXPECT_EQ(window.right - window.left, label->Width()) << text;
    }
    const int oneLine = CalcText(label->Font(), "a").cy;
    label->SetCaption("a\r\nb\r\nc");
    EXPECT_EQ(label->Height(), 3 * oneLine + 4) << "line breaks are kept";
}

// Painting onto a DC it was handed (printing, a parent's off-screen copy) leaves that DC as it was.
TEST(StaticText, PaintingPutsBackTheModeColourAndFontOfTheCallersDC) {
    TScratchForm form;
    auto* label = form->Create<TStaticText>();
    label->SetCaption("Text");
    label->SetParent(form.Get());
    TClientDC screen(nullptr);
    TMemDC dc(screen.Get());
    TBitmapHandle bitmap(CreateCompatibleBitmap(screen.Get(), 64, 32));
    TSelectGuard selected(dc.Get(), bitmap.Get());
    SetBkMode(dc.Get(), OPAQUE);
    SetTextColor(dc.Get(), RGB(1, 2, 3));
    HGDIOBJ font = GetCurrentObject(dc.Get(), OBJ_FONT);
    label->PaintTo(dc.Get());
    EXPECT_EQ(GetBkMode(dc.Get()), OPAQUE);
    EXPECT_EQ(GetTextColor(dc.Get()), RGB(1, 2, 3));
    EXPECT_EQ(GetCurrentObject(dc.Get(), OBJ_FONT), font);
}

TEST(StaticText, QuestionMarkInBoldLabelFontHasTheDesignSize) {
    TScratchForm form;
    auto* label = form->Create<TStaticText>();
    label->SetFont(BoldLabelFont());
    label->SetCaption("?");
    EXPECT_EQ(label->Width(), 11);
    EXPECT_EQ(label->Height(), 17);
}

TEST(StaticText, AmpersandMarksAnAccessKeyAndTwoShowOne) {
    TScratchForm form;
    auto* label = form->Create<TStaticText>();
    label->SetFont(BoldLabelFont());
    label->SetParent(form.Get());
    const TFont font = label->Font();
    auto drawPlain = [&](const std::string& text) {
        return [&, text](HDC dc) {
            RECT all{0, 0, 80, 24};
            FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
            HGDIOBJ old = SelectObject(dc, font.Handle());
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, RGB(255, 0, 0));
            DrawTextA(dc, text.c_str(), -1, &all, DT_LEFT | DT_NOPREFIX);
            SelectObject(dc, old);
        };
    };
    auto drawLabel = [&](const std::string& caption) {
        label->SetCaption(caption);
        return [&](HDC dc) {
            RECT all{0, 0, 80, 24};
            FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
            SendMessageA(label->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
        };
    };
    // Two ampersands show one.
    EXPECT_TRUE(TPixels::OfDrawing(80, 24, drawLabel("A&&B")) == TPixels::OfDrawing(80, 24, drawPlain("A&B")));
    // One ampersand is not shown: the same letters, plus an underline under the next one.
    const TPixels marked = TPixels::OfDrawing(80, 24, drawLabel("&AB"));
    const TPixels plain = TPixels::OfDrawing(80, 24, drawPlain("AB"));
    EXPECT_EQ(label->Width(), CalcText(font, "AB", DT_NOPREFIX).cx + 4);
    const int letterWidth = CalcText(font, "A", DT_NOPREFIX).cx;
    int differing = 0;
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 80; ++x) {
            if (marked.ColorAt(x, y) == plain.ColorAt(x, y)) continue;
            ++differing;
            EXPECT_LE(x, letterWidth) << "only the first letter is underlined";
        }
    EXPECT_GE(differing, letterWidth - 2) << "an underline of the letter's width";
}

TEST(ListBox, KeepsEntriesSortedIgnoringCaseWithOrWithoutWindow) {
    TScratchForm form;
    auto* list = form->Create<TListBox>();
    list->SetSorted(true);
    for (const char* item : {"b", "C", "a", "Б", "а"}) list->AddItem(item);
    const std::vector<std::string> before = list->Items();
    EXPECT_EQ(std::vector<std::string>(before.begin(), before.begin() + 3), (std::vector<std::string>{"a", "b", "C"}));
    list->SetParent(form.Get());
    list->AddItem("B2");
    ASSERT_EQ(list->ItemCount(), 6);
    for (int i = 0; i < list->ItemCount(); ++i) {
        char text[64] = {};
        SendMessageA(list->Handle(), LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
        EXPECT_EQ(list->Item(i), text) << "object and window agree at " << i;
    }
    EXPECT_EQ(list->Item(2), "B2");
}

TEST(ListBox, KeyboardSelectionRaisesOnClickButTheProgramsDoesNot) {
    TScratchForm form;
    auto* list = form->Create<TListBox>();
    list->SetSorted(true);
    list->SetParent(form.Get());
    for (const char* item : {"one", "two", "three"}) list->AddItem(item);
    std::vector<int> clicked;
    list->OnClick = [&](TObject*) { clicked.push_back(list->ItemIndex()); };
    list->SetItemIndex(1);
    EXPECT_TRUE(clicked.empty());
    list->SetFocus();
    SendMessageA(list->Handle(), WM_KEYDOWN, VK_DOWN, 0);
    SendMessageA(list->Handle(), WM_KEYDOWN, VK_HOME, 0);
    EXPECT_EQ(clicked, (std::vector<int>{2, 0}));
    EXPECT_EQ(list->Item(list->ItemIndex()), "one");
    list->ClearItems();
    EXPECT_EQ(list->ItemIndex(), -1);
    EXPECT_EQ(SendMessageA(list->Handle(), LB_GETCOUNT, 0, 0), 0);
}

TEST(ListBox, ItemHeightReachesTheWindow) {
    TScratchForm form;
    auto* list = form->Create<TListBox>();
    list->SetItemHeight(13);
    list->SetParent(form.Get());
    EXPECT_EQ(SendMessageA(list->Handle(), LB_GETITEMHEIGHT, 0, 0), 13);
    list->SetItemHeight(20);
    EXPECT_EQ(SendMessageA(list->Handle(), LB_GETITEMHEIGHT, 0, 0), 20);
}

TEST(Timer, TicksAtItsIntervalWhileEnabledAndStopsWhenDisabled) {
    TScratchForm form;
    auto* timer = form->Create<TTimer>();
    int ticks = 0;
    timer->OnTimer = [&](TObject* sender) {
        EXPECT_EQ(sender, timer);
        ++ticks;
    };
    timer->SetInterval(50);
    PumpMessagesFor(600);
    EXPECT_GE(ticks, 5);
    EXPECT_LE(ticks, 13);
    timer->SetEnabled(false);
    const int stopped = ticks;
    PumpMessagesFor(300);
    EXPECT_EQ(ticks, stopped);
}

TEST(SpeedButton, GlyphIsDrawnCentredWithItsCornerColourLeftOut) {
    TScratchForm form;
    auto* speed = form->Create<TSpeedButton>();
    speed->SetBounds(0, 0, 23, 22);
    // A 15 x 15 glyph: magenta (the colour of its bottom left pixel) with a red 5 x 5 square in
    // its middle and one blue pixel at its top left.
    TMemDC glyphDc(nullptr);
    HDC screen = GetDC(nullptr);
    TBitmapHandle glyph(CreateCompatibleBitmap(screen, 15, 15));
    ReleaseDC(nullptr, screen);
    {
        TSelectGuard select(glyphDc.Get(), glyph.Get());
        const RECT all{0, 0, 15, 15}, middle{5, 5, 10, 10};
        TBrushHandle magenta(CreateSolidBrush(RGB(255, 0, 255))), red(CreateSolidBrush(RGB(255, 0, 0)));
        FillRect(glyphDc.Get(), &all, magenta.Get());
        FillRect(glyphDc.Get(), &middle, red.Get());
        SetPixel(glyphDc.Get(), 0, 0, RGB(0, 0, 255));
    }
    speed->SetGlyph(std::move(glyph));
    const TPixels pixels = TPixels::OfDrawing(23, 22, [&](HDC dc) { speed->PaintTo(dc); });
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    // The glyph stands at (4, 3): (23 - 15) / 2 and (22 - 15) / 2.
    EXPECT_EQ(pixels.ColorAt(4 + 7, 3 + 7), RGB(255, 0, 0));  // red, in the middle
    EXPECT_EQ(pixels.ColorAt(4 + 5, 3 + 5), RGB(255, 0, 0));
    EXPECT_EQ(pixels.ColorAt(4, 3), RGB(0, 0, 255));          // the blue pixel
    EXPECT_EQ(pixels.ColorAt(4 + 1, 3 + 1), face);            // magenta left out: the face shows
    EXPECT_EQ(pixels.ColorAt(4 + 13, 3 + 13), face);
    for (int y = 0; y < 22; ++y)
        for (int x = 0; x < 23; ++x) EXPECT_NE(pixels.ColorAt(x, y), RGB(255, 0, 255));
}

TEST(SpeedButton, ClicksOnReleaseInsideWithoutTakingTheFocus) {
    TScratchForm form;
    form->Show();
    auto* list = form->Create<TListBox>();
    list->SetParent(form.Get());
    auto* speed = form->Create<TSpeedButton>();
    speed->SetBounds(100, 10, 23, 22);
    speed->SetParent(form.Get());
    int clicks = 0;
    speed->OnClick = [&](TObject*) { ++clicks; };
    list->SetFocus();
    ASSERT_EQ(GetFocus(), list->Handle());

    SendMessageA(speed->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_TRUE(speed->Pressed());
    EXPECT_EQ(GetFocus(), list->Handle());
    SendMessageA(speed->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(speed->Pressed());

    // Pressed, dragged off and released outside: no click.
    SendMessageA(speed->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(speed->Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(60, 5));
    EXPECT_FALSE(speed->Pressed());
    SendMessageA(speed->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(60, 5));
    EXPECT_EQ(clicks, 1);

    SendMessageA(speed->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(GetFocus(), list->Handle());
}

// No tool tip window until the mouse first comes over the control; then it carries the hint.
TEST(SpeedButton, ToolTipComesWithTheMouseAndFollowsTheHint) {
    TScratchForm form;
    form->Show();
    auto* speed = form->Create<TSpeedButton>();
    speed->SetBounds(10, 10, 23, 22);
    speed->SetParent(form.Get());
    speed->SetHint("первая");
    speed->SetShowHint(true);
    EXPECT_EQ(ToolTipOwnedBy(form->Handle()), nullptr);

    SendMessageA(speed->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    HWND tip = ToolTipOwnedBy(form->Handle());
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(ToolTipText(tip, speed->Handle()), "первая");
    speed->SetHint("вторая");
    EXPECT_EQ(ToolTipText(tip, speed->Handle()), "вторая");
    speed->SetShowHint(false);
    EXPECT_FALSE(IsWindow(tip));
}

TEST(Image, DrawsItsPictureUnscaledCentredOrTopLeft) {
    TScratchForm form;
    auto* image = form->Create<TImage>();
    image->SetBounds(0, 0, 40, 30);
    image->SetParent(form.Get());
    HDC screen = GetDC(nullptr);
    TBitmapHandle picture(CreateCompatibleBitmap(screen, 10, 6));
    ReleaseDC(nullptr, screen);
    {
        TMemDC dc(nullptr);
        TSelectGuard select(dc.Get(), picture.Get());
        RECT all{0, 0, 10, 6};
        TBrushHandle black(CreateSolidBrush(RGB(0, 0, 0)));
        FillRect(dc.Get(), &all, black.Get());
    }
    image->SetBitmap(std::move(picture));
    auto blackArea = [&] {
        const TPixels pixels = TPixels::OfDrawing(
            40, 30, [&](HDC dc) { SendMessageA(image->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), 0); });
        RECT box{40, 30, -1, -1};
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x)
                if (pixels.ColorAt(x, y) == RGB(0, 0, 0)) {
                    box.left = std::min<LONG>(box.left, x);
                    box.top = std::min<LONG>(box.top, y);
                    box.right = std::max<LONG>(box.right, x + 1);
                    box.bottom = std::max<LONG>(box.bottom, y + 1);
                }
        return box;
    };
    RECT topLeft = blackArea();
    EXPECT_EQ(topLeft.left, 0);
    EXPECT_EQ(topLeft.top, 0);
    EXPECT_EQ(topLeft.right, 10);
    EXPECT_EQ(topLeft.bottom, 6);
    image->SetCenter(true);
    RECT centred = blackArea();
    EXPECT_EQ(centred.left, 15);
    EXPECT_EQ(centred.top, 12);
    EXPECT_EQ(centred.right, 25);
    EXPECT_EQ(centred.bottom, 18);
    image->Clear();
    EXPECT_TRUE(image->Empty());
    EXPECT_EQ(blackArea().right, -1);
}
